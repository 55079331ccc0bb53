#include "scores_dclo.h"

#include "castlecount.h"
#include "castlelayout.h"
#include "stationlog.h"
#include "stationsettings.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QStringListModel>
#include <QVBoxLayout>

using namespace awards;

namespace {

const char* const kRule[] = {"Label4", "Label3", "Label9"};

} // namespace

Scores_DCLO::Scores_DCLO(QWidget* owner) : QWidget(owner), m_provinces(new QStringListModel(this)) {
    setUpWindow(this, QStringLiteral("Scores_DCLO"), QStringLiteral("Scores DCLo"));
    auto* top = new QVBoxLayout(this);
    top->addWidget(
        addLabel(this, QStringLiteral("Label7"), QStringLiteral("Scores pour le diplome")));
    top->addWidget(
        addLabel(this, QStringLiteral("Label8"), QStringLiteral("des Chateaux de Lombardie")));

    auto* columns = new QHBoxLayout;
    auto* lists = new QVBoxLayout;
    lists->addWidget(addLabel(this, QStringLiteral("Label2")));
    lists->addWidget(makeTextList(this, QStringLiteral("Liste_Regions"), m_provinces, 40, 12), 1);
    columns->addLayout(lists);

    auto* results = new QVBoxLayout;
    auto* counts = new QGridLayout;
    counts->addWidget(addLabel(this, QStringLiteral("NB_Chateaux")), 0, 0, Qt::AlignRight);
    counts->addWidget(
        addLabel(this, QStringLiteral("Label5"), QStringLiteral("Chateaux contacté(s)")), 0, 1);
    counts->addWidget(addLabel(this, QStringLiteral("NB_Confirme")), 1, 0, Qt::AlignRight);
    counts->addWidget(
        addLabel(this, QStringLiteral("Label10"), QStringLiteral("Chateaux confirmé(s)")), 1, 1);
    results->addLayout(counts);
    auto* provinces = new QHBoxLayout;
    provinces->addWidget(addLabel(this, QStringLiteral("Label11"), QStringLiteral("Dans")));
    provinces->addWidget(addLabel(this, QStringLiteral("Nb_Provinces")));
    provinces->addWidget(
        addLabel(this, QStringLiteral("Label6"), QStringLiteral("Province(s) de Lombardie")));
    provinces->addStretch();
    results->addLayout(provinces);
    results->addSpacing(12);
    results->addWidget(addLabel(this, QStringLiteral("Label12")));
    results->addWidget(addLabel(this, QStringLiteral("Label1")));
    results->addSpacing(12);
    for (const char* name : kRule)
        results->addWidget(addLabel(this, QString::fromLatin1(name)));
    results->addStretch();
    columns->addLayout(results);
    top->addLayout(columns, 1);
}

void Scores_DCLO::opening() {
    const auto label = [this](const char* name, const QString& text) {
        findChild<QLabel*>(QString::fromLatin1(name))->setText(text);
    };
    label("Label2", kDcloScoreHeader);
    QStringList logLines;
    StationLog(StationCallsign()).loadQsoList(logLines);
    const DcloScore score = computeDcloScore(logLines);
    m_provinces->setStringList(score.provinceLines);
    label("NB_Chateaux", QString::number(score.contacted));
    label("NB_Confirme", QString::number(score.confirmed));
    label("Nb_Provinces", QString::number(score.provincesConfirmed));
    label("Label12", score.verdict);
    label("Label1", kDcloVerdictEnd);
    for (int i = 0; i < 3; ++i)
        label(kRule[i], kDcloRule[i]);
}
