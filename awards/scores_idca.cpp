#include "scores_idca.h"

#include "bytekeys.h"
#include "districtcount.h"
#include "windowkit.h"

using namespace awards;

Scores_IDCA::Scores_IDCA(QWidget* owner) : QWidget(owner) {
    setUpWindow(this, QStringLiteral("Scores IDCA"));
    QStringList names;
    for (int i = 1; i <= 10; ++i)
        names << QStringLiteral("Niveau_%1").arg(i);
    makeLevelScores(
        this, QStringLiteral("des districts Italiens"),
        {QStringLiteral("Districts contacté(s)"), QStringLiteral("Districts confirmé(s)")},
        QStringLiteral("Pour obtenir les diplomes des districts"), names, districtLevelLabels());
}

void Scores_IDCA::opening() {
    DistrictMarks marks;
    bytekeys::scanStationLog([&marks](QByteArrayView line) { marks.add(line); });
    const Verdict verdict = districtVerdict(marks.confirmedCount());
    showLevelScore(this, marks.contactedCount(), marks.confirmedCount(), verdict.line1,
                   verdict.line2);
}
