#include "scores_wais.h"

#include "dialogs.h"
#include "locatorcount.h"
#include "windowkit.h"

using namespace awards;

Scores_WAIS::Scores_WAIS(QWidget* owner) : QWidget(owner) {
    setUpWindow(this, waisWindowTitle(false));
    makeLevelScores(this, QStringLiteral("des Locators Italiens"), {},
                    QStringLiteral("Pour obtenir les diplomes des Locators"),
                    {QStringLiteral("Label13"), QStringLiteral("Label14"),
                     QStringLiteral("Label15"), QStringLiteral("Label16"),
                     QStringLiteral("Label17"), QStringLiteral("Label9")},
                    waisLevelLabels());
}

void Scores_WAIS::opening() {
    const DaiSettings dai = DaiSettings::read();
    const ImportCheck check = verifieImportDai(dai, WaisWindow::Scores);
    for (const QString& message : check.messages)
        showMessage(message);
    setWindowTitle(waisWindowTitle(check.merge));
    setLabel(this, "Label5", waisContactedCaption(check.merge));
    setLabel(this, "Label10", waisConfirmedCaption(check.merge));

    LocatorCollector collector(kScoreKeyLength);
    QList<WaisLog> logs{WaisLog::Dci};
    if (check.merge)
        logs.append(WaisLog::Dai);
    for (const WaisLog log : logs) {
        QString failure;
        scanWaisLog(log, dai, failure,
                    [&collector, log](QByteArrayView line) { collector.add(line, log); });
        if (!failure.isEmpty())
            showMessage(failure);
    }
    const SquareCount squares = countSquares(collector.locTempo().sorted(), kScoreKeyLength);
    const Verdict verdict = locatorVerdict(squares.confirmed);
    showLevelScore(this, squares.contacted, squares.confirmed, verdict.line1, verdict.line2);
}
