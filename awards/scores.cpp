#include "scores.h"

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

const char* const kCounts[][3] = {{"Nb_Chx", "Label1", "Chateaux contacté(s)"},
                                  {"Nb_Conf", "Label10", "Chateaux confirmé(s)"},
                                  {"Nb_Reg", "Label11", "Régions confirmée(s)"},
                                  {"Nb_Cuneo", "Label12", "Chateau(x) de la province de Cunéo"}};
const char* const kVerdict[] = {"Label13", "Label14"};
const char* const kRule[] = {"Label4", "Label3", "Label9", "Label5", "Label6"};

} // namespace

Scores::Scores(QWidget* owner)
    : QWidget(owner), m_regions(new QStringListModel(this)), m_cuneo(new QStringListModel(this)) {
    setUpWindow(this, QStringLiteral("Scores"), QStringLiteral("Scores DCI"));
    auto* top = new QVBoxLayout(this);
    top->addWidget(
        addLabel(this, QStringLiteral("Label7"), QStringLiteral("Scores pour le diplome ")));
    top->addWidget(
        addLabel(this, QStringLiteral("Label8"), QStringLiteral("des Chateaux Italiens (DCI)")));

    auto* columns = new QHBoxLayout;
    auto* lists = new QVBoxLayout;
    lists->addWidget(addLabel(this, QStringLiteral("Label2")));
    lists->addWidget(makeTextList(this, QStringLiteral("Liste_Regions"), m_regions, 40, 21), 1);
    QListView* cuneo = makeTextList(this, QStringLiteral("Region_Coni"), m_cuneo, 40, 1);
    cuneo->setFixedHeight(cuneo->minimumHeight());
    cuneo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lists->addWidget(cuneo);
    columns->addLayout(lists);

    auto* results = new QVBoxLayout;
    auto* counts = new QGridLayout;
    for (int row = 0; row < 4; ++row) {
        counts->addWidget(addLabel(this, QString::fromLatin1(kCounts[row][0])), row, 0,
                          Qt::AlignRight);
        counts->addWidget(addLabel(this, QString::fromLatin1(kCounts[row][1]),
                                   QString::fromUtf8(kCounts[row][2])),
                          row, 1);
    }
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

void Scores::opening() {
    const auto label = [this](const char* name, const QString& text) {
        findChild<QLabel*>(QString::fromLatin1(name))->setText(text);
    };
    label("Label2", kDciScoreHeader);
    QStringList logLines;
    StationLog(StationCallsign()).loadQsoList(logLines);
    const DciScore score = computeDciScore(logLines);
    m_regions->setStringList(score.regionLines);
    m_cuneo->setStringList({score.cuneoLine});
    label("Nb_Cuneo", QString::number(score.cuneo));
    label("Nb_Conf", QString::number(score.confirmed));
    label("Nb_Reg", QString::number(score.regionsConfirmed));
    label("Nb_Chx", QString::number(score.contacted));
    label("Label13", score.verdict);
    label("Label14", kDciVerdictEnd);
    for (int i = 0; i < 5; ++i)
        label(kRule[i], kDciRule[i]);
}
