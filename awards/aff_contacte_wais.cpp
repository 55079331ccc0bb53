#include "aff_contacte_wais.h"

#include "awardwindows.h"
#include "dialogs.h"
#include "listheading.h"
#include "locatorcount.h"
#include "programdirectory.h"
#include "textfile.h"
#include "windowkit.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>

using namespace awards;

Aff_Contacte_WAIS::Aff_Contacte_WAIS(QWidget* owner)
    : QWidget(owner), m_locators(new QStringListModel(this)) {
    setUpWindow(this, waisWindowTitle(false));
    m_contacted = addLabel(this, QStringLiteral("Nb_Ref"));
    m_confirmed = addLabel(this, QStringLiteral("NB_Ref_V"));
    auto* document = new QPushButton(QStringLiteral("Document pour le diplome WAIS"), this);
    document->setObjectName(QStringLiteral("Doc_WAIS"));
    connect(document, &QPushButton::clicked, this, [] { openDocumentWais(); });

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_contacted, 0, 0, Qt::AlignRight);
    grid->addWidget(addLabel(this, QStringLiteral("Label2"), QStringLiteral("locators contactés")),
                    0, 1);
    grid->addWidget(m_confirmed, 1, 0, Qt::AlignRight);
    grid->addWidget(addLabel(this, QStringLiteral("Label5"), QStringLiteral("locators confirmés")),
                    1, 1);
    grid->addWidget(document, 0, 2, 2, 1);
    QListView* list = makeLineList(this, QStringLiteral("Liste_Locators"), m_locators, 80);
    auto* heading = new ListHeading(list, kWaisHeadingColumns, this);
    heading->setObjectName(QStringLiteral("Label1"));
    grid->addWidget(heading, 2, 0, 1, 3);
    grid->addWidget(list, 3, 0, 1, 3);
    grid->setColumnStretch(1, 1);
}

void Aff_Contacte_WAIS::opening() {
    findChild<QLabel*>(QStringLiteral("Label1"))->setText(kWaisHeading);
    const DaiSettings dai = DaiSettings::read();
    const ImportCheck check = verifieImportDai(dai, WaisWindow::List);
    for (const QString& message : check.messages)
        showMessage(message);
    setWindowTitle(waisWindowTitle(check.merge));

    LocatorCollector collector(kListKeyLength);
    QList<WaisLog> logs{WaisLog::Dci};
    if (check.merge)
        logs.append(WaisLog::Dai);
    // Loc_Contacte has always left this empty file behind; it is written when it is not so yet.
    if (const QFileInfo tempo(ProgramDirectory::filePath(kTempoLocatorFile));
        !tempo.isFile() || tempo.size() != 0)
        writeWorkFile(kTempoLocatorFile, {});
    for (const WaisLog log : logs) {
        QString failure;
        scanWaisLog(log, dai, failure,
                    [&collector, log](QByteArrayView line) { collector.add(line, log); });
        if (!failure.isEmpty())
            showMessage(failure);
    }
    const SquareCount squares = countSquares(collector.locTempo().sorted(), kListKeyLength);
    m_locators->setStringList(waisShownLines(squares));
    m_contacted->setText(QString::number(squares.contacted));
    m_confirmed->setText(QString::number(squares.confirmed));
}

QStringList Aff_Contacte_WAIS::shownLines() const {
    return m_locators->stringList();
}
