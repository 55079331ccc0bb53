#include "scores_dcpc.h"

#include "castlecount.h"
#include "windowkit.h"

#include <QStringListModel>
#include <QVBoxLayout>

using namespace awards;
using bytekeys::scanStationLog;

namespace {

const QList<const char*> kRule{"Label4", "Label3", "Label9"};

} // namespace

Scores_DCPC::Scores_DCPC(QWidget* owner) : QWidget(owner), m_castles(new QStringListModel(this)) {
    setUpWindow(this, QStringLiteral("Scores_DCPC"), QStringLiteral("Scores DCPC"));
    QVBoxLayout* results = makeScoreColumns(
        this, QStringLiteral("Scores pour le diplome"), QStringLiteral("de la province de Cunéo"),
        makeTextList(this, QStringLiteral("Liste_Chateaux"), m_castles, 40, 20));
    addCountRows(this, results,
                 {{"NB_Chateaux", "Label5", "Chateaux contacté(s)"},
                  {"NB_Confirme", "Label10", "Chateaux confirmé(s)"}});
    addVerdictAndRule(this, results, {"Label1", "Label6", "Label11"}, kRule);
}

void Scores_DCPC::opening() {
    setLabel(this, "Label2", kDcpcHeader);
    DcpcCounter counter;
    scanStationLog([&counter](QByteArrayView line) { counter.add(line); });
    const DcpcScore score = counter.score();
    m_castles->setStringList(score.lines);
    setLabel(this, "NB_Chateaux", QString::number(score.contacted));
    setLabel(this, "NB_Confirme", QString::number(score.confirmed));
    setLabel(this, "Label1", score.verdict);
    setLabel(this, "Label6", kDcpcVerdictEnd[0]);
    setLabel(this, "Label11", kDcpcVerdictEnd[1]);
    setLabels(this, kRule, kDcpcRule);
}
