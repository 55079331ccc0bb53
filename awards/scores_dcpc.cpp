#include "scores_dcpc.h"

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

const char* const kVerdict[] = {"Label1", "Label6", "Label11"};
const char* const kRule[] = {"Label4", "Label3", "Label9"};

} // namespace

Scores_DCPC::Scores_DCPC(QWidget* owner) : QWidget(owner), m_castles(new QStringListModel(this)) {
    setUpWindow(this, QStringLiteral("Scores_DCPC"), QStringLiteral("Scores DCPC"));
    auto* top = new QVBoxLayout(this);
    top->addWidget(
        addLabel(this, QStringLiteral("Label7"), QStringLiteral("Scores pour le diplome")));
    top->addWidget(
        addLabel(this, QStringLiteral("Label8"), QStringLiteral("de la province de Cunéo")));

    auto* columns = new QHBoxLayout;
    auto* lists = new QVBoxLayout;
    lists->addWidget(addLabel(this, QStringLiteral("Label2")));
    lists->addWidget(makeTextList(this, QStringLiteral("Liste_Chateaux"), m_castles, 40, 20), 1);
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
    results->addSpacing(12);
    for (const char* name : kVerdict)
        results->addWidget(addLabel(this, QString::fromLatin1(name)));
    results->addSpacing(12);
    for (const char* name : kRule)
        results->addWidget(addLabel(this, QString::fromLatin1(name)));
    results->addStretch();
    columns->addLayout(results);
    top->addLayout(columns, 1);
}

void Scores_DCPC::opening() {
    const auto label = [this](const char* name, const QString& text) {
        findChild<QLabel*>(QString::fromLatin1(name))->setText(text);
    };
    label("Label2", kDcpcHeader);
    QStringList logLines;
    StationLog(StationCallsign()).loadQsoList(logLines);
    const DcpcScore score = computeDcpcScore(logLines);
    m_castles->setStringList(score.lines);
    label("NB_Chateaux", QString::number(score.contacted));
    label("NB_Confirme", QString::number(score.confirmed));
    label("Label1", score.verdict);
    label("Label6", kDcpcVerdictEnd[0]);
    label("Label11", kDcpcVerdictEnd[1]);
    for (int i = 0; i < 3; ++i)
        label(kRule[i], kDcpcRule[i]);
}
