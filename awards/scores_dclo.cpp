#include "scores_dclo.h"

#include "castlecount.h"
#include "windowkit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStringListModel>
#include <QVBoxLayout>

using namespace awards;
using bytekeys::scanStationLog;

namespace {

const QList<const char*> kRule{"Label4", "Label3", "Label9"};

} // namespace

Scores_DCLO::Scores_DCLO(QWidget* owner) : QWidget(owner), m_provinces(new QStringListModel(this)) {
    setUpWindow(this, QStringLiteral("Scores_DCLO"), QStringLiteral("Scores DCLo"));
    QVBoxLayout* results = makeScoreColumns(
        this, QStringLiteral("Scores pour le diplome"), QStringLiteral("des Chateaux de Lombardie"),
        makeTextList(this, QStringLiteral("Liste_Regions"), m_provinces, 40, 12));
    addCountRows(this, results,
                 {{"NB_Chateaux", "Label5", "Chateaux contacté(s)"},
                  {"NB_Confirme", "Label10", "Chateaux confirmé(s)"}});
    auto* provinces = new QHBoxLayout;
    provinces->addWidget(addLabel(this, QStringLiteral("Label11"), QStringLiteral("Dans")));
    provinces->addWidget(addLabel(this, QStringLiteral("Nb_Provinces")));
    provinces->addWidget(
        addLabel(this, QStringLiteral("Label6"), QStringLiteral("Province(s) de Lombardie")));
    provinces->addStretch();
    results->addLayout(provinces);
    addVerdictAndRule(this, results, {"Label12", "Label1"}, kRule);
}

void Scores_DCLO::opening() {
    setLabel(this, "Label2", kDcloScoreHeader);
    DcloCounter counter;
    scanStationLog([&counter](QByteArrayView line) { counter.add(line); });
    const DcloScore score = counter.score();
    m_provinces->setStringList(score.provinceLines);
    setLabel(this, "NB_Chateaux", QString::number(score.contacted));
    setLabel(this, "NB_Confirme", QString::number(score.confirmed));
    setLabel(this, "Nb_Provinces", QString::number(score.provincesConfirmed));
    setLabel(this, "Label12", score.verdict);
    setLabel(this, "Label1", kDcloVerdictEnd);
    setLabels(this, kRule, kDcloRule);
}
