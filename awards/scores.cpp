#include "scores.h"

#include "castlecount.h"
#include "windowkit.h"

#include <QListView>
#include <QStringListModel>
#include <QVBoxLayout>

using namespace awards;
using bytekeys::scanStationLog;

namespace {

const QList<const char*> kRule{"Label4", "Label3", "Label9", "Label5", "Label6"};

} // namespace

Scores::Scores(QWidget* owner)
    : QWidget(owner), m_regions(new QStringListModel(this)), m_cuneo(new QStringListModel(this)) {
    setUpWindow(this, QStringLiteral("Scores"), QStringLiteral("Scores DCI"));
    QListView* regions = makeTextList(this, QStringLiteral("Liste_Regions"), m_regions, 40, 21);
    QListView* cuneo = makeTextList(this, QStringLiteral("Region_Coni"), m_cuneo, 40, 1);
    cuneo->setFixedHeight(cuneo->minimumHeight());
    cuneo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QVBoxLayout* results =
        makeScoreColumns(this, QStringLiteral("Scores pour le diplome "),
                         QStringLiteral("des Chateaux Italiens (DCI)"), regions, cuneo);
    addCountRows(this, results,
                 {{"Nb_Chx", "Label1", "Chateaux contacté(s)"},
                  {"Nb_Conf", "Label10", "Chateaux confirmé(s)"},
                  {"Nb_Reg", "Label11", "Régions confirmée(s)"},
                  {"Nb_Cuneo", "Label12", "Chateau(x) de la province de Cunéo"}});
    addVerdictAndRule(this, results, {"Label13", "Label14"}, kRule);
}

void Scores::opening() {
    setLabel(this, "Label2", kDciScoreHeader);
    DciCounter counter;
    scanStationLog([&counter](QByteArrayView line) { counter.add(line); });
    const DciScore score = counter.score();
    m_regions->setStringList(score.regionLines);
    m_cuneo->setStringList({score.cuneoLine});
    setLabel(this, "Nb_Cuneo", QString::number(score.cuneo));
    setLabel(this, "Nb_Conf", QString::number(score.confirmed));
    setLabel(this, "Nb_Reg", QString::number(score.regionsConfirmed));
    setLabel(this, "Nb_Chx", QString::number(score.contacted));
    setLabel(this, "Label13", score.verdict);
    setLabel(this, "Label14", kDciVerdictEnd);
    setLabels(this, kRule, kDciRule);
}
