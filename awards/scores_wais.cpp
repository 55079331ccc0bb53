#include "scores_wais.h"

#include "dialogs.h"
#include "idcawaiswidgets.h"
#include "locatorcount.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace awards;

Scores_WAIS::Scores_WAIS(QWidget* owner) : QWidget(owner) {
    setUpWindow(this, waisWindowTitle(false));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        makeLabel(this, QStringLiteral("Label7"), QStringLiteral("Scores pour le diplome")), 0,
        Qt::AlignHCenter);
    layout->addWidget(
        makeLabel(this, QStringLiteral("Label8"), QStringLiteral("des Locators Italiens")), 0,
        Qt::AlignHCenter);
    auto* counts = new QGridLayout;
    counts->addWidget(makeLabel(this, QStringLiteral("NB_Contacte"), QString()), 0, 0,
                      Qt::AlignRight);
    counts->addWidget(makeLabel(this, QStringLiteral("Label5"), QString()), 0, 1);
    counts->addWidget(makeLabel(this, QStringLiteral("NB_Confirme"), QString()), 1, 0,
                      Qt::AlignRight);
    counts->addWidget(makeLabel(this, QStringLiteral("Label10"), QString()), 1, 1);
    counts->setColumnStretch(1, 1);
    layout->addLayout(counts);
    layout->addWidget(makeLabel(this, QStringLiteral("Label1"), QString()));
    layout->addWidget(makeLabel(this, QStringLiteral("Label2"), QString()));
    layout->addSpacing(12);
    layout->addWidget(makeLabel(this, QStringLiteral("Label3"),
                                QStringLiteral("Pour obtenir les diplomes des Locators")));
    layout->addWidget(makeLabel(this, QStringLiteral("Label4"),
                                QStringLiteral("Italiens il vous faut la confirmation de :")));
    const QStringList levels = waisLevelLabels();
    const char* const names[] = {"Label13", "Label14", "Label15", "Label16", "Label17", "Label9"};
    for (int i = 0; i < levels.size(); ++i)
        layout->addWidget(makeLabel(this, QString::fromLatin1(names[i]), levels[i]));
}

QLabel* Scores_WAIS::label(const char* name) const {
    return findChild<QLabel*>(QString::fromLatin1(name));
}

void Scores_WAIS::opening() {
    const DaiSettings dai = DaiSettings::read();
    const ImportCheck check = verifieImportDai(dai, WaisWindow::Scores);
    for (const QString& message : check.messages)
        showMessage(message);
    setWindowTitle(waisWindowTitle(check.merge));
    label("Label5")->setText(waisContactedCaption(check.merge));
    label("Label10")->setText(waisConfirmedCaption(check.merge));

    LocTempo locTempo;
    QList<WaisLog> logs{WaisLog::Dci};
    if (check.merge)
        logs.append(WaisLog::Dai);
    for (const WaisLog log : logs) {
        QString failure;
        locTempo.addScoreEntries(readWaisLog(log, dai, failure), log);
        if (!failure.isEmpty())
            showMessage(failure);
    }
    const SquareCount squares = countSquares(locTempo.sorted(), kScoreKeyLength);
    label("NB_Contacte")->setText(QString::number(squares.contacted));
    label("NB_Confirme")->setText(QString::number(squares.confirmed));
    const Verdict verdict = locatorVerdict(squares.confirmed);
    label("Label1")->setText(verdict.line1);
    label("Label2")->setText(verdict.line2);
}
