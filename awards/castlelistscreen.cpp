#include "castlelistscreen.h"

#include "bytekeys.h"
#include "clock.h"
#include "dialogs.h"
#include "lineprinter.h"
#include "listheading.h"
#include "programdirectory.h"
#include "stationsettings.h"
#include "textfile.h"
#include "windowkit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>
#include <QVBoxLayout>

using namespace awards;

CastleListScreen::CastleListScreen(Award award, const Texts& texts, QWidget* owner)
    : QWidget(owner), m_award(award), m_headerText(texts.header),
      m_model(new QStringListModel(this)) {
    setUpWindow(this, texts.className, texts.caption);
    auto* top = new QVBoxLayout(this);

    auto* modes = new QHBoxLayout;
    m_contacted = new QRadioButton(QStringLiteral("contactés"), this);
    m_contacted->setObjectName(QStringLiteral("Option1_1"));
    m_confirmed = new QRadioButton(texts.confirmedOption, this);
    m_confirmed->setObjectName(QStringLiteral("Option1_2"));
    m_count = addLabel(this, QStringLiteral("Nb_C"));
    modes->addWidget(m_contacted);
    modes->addWidget(m_confirmed);
    modes->addStretch();
    modes->addWidget(m_count);
    modes->addWidget(addLabel(this, QStringLiteral("Label3"), texts.countLabel));
    top->addLayout(modes);

    m_list = makeTextList(this, QStringLiteral("Liste_QSO_Contacte"), m_model, 112, 25);
    m_header = new ListHeading(m_list, texts.headerColumns, this);
    m_header->setObjectName(QStringLiteral("Label2"));
    top->addWidget(m_header);
    top->addWidget(m_list, 1);

    auto* buttons = new QHBoxLayout;
    auto* enregistrer = new QPushButton(QStringLiteral("Enregistrer"), this);
    enregistrer->setObjectName(QStringLiteral("Enregistrer"));
    auto* imprimer = new QPushButton(QStringLiteral("Imprimer"), this);
    imprimer->setObjectName(QStringLiteral("Imprimer"));
    buttons->addWidget(enregistrer);
    buttons->addWidget(imprimer);
    buttons->addStretch();
    top->addLayout(buttons);
    m_buttons = buttons;

    for (QRadioButton* option : {m_contacted, m_confirmed})
        connect(option, &QRadioButton::clicked, this, &CastleListScreen::Affiche);
    connect(enregistrer, &QPushButton::clicked, this, &CastleListScreen::save);
    connect(imprimer, &QPushButton::clicked, this, &CastleListScreen::print);
}

void CastleListScreen::opening() {
    m_contacted->setChecked(true);
    Affiche();
}

Shown CastleListScreen::shown() const {
    return m_confirmed->isChecked() ? Shown::Confirmed : Shown::Contacted;
}

void CastleListScreen::Affiche() {
    m_header->setText(m_headerText);
    if (m_award == Award::Dci)
        setWindowTitle(dciCaption(shown()));
    // A log that cannot be read shows as an empty list.
    CastleListBuilder builder(m_award, shown());
    bytekeys::scanStationLog([&builder](QByteArrayView line) { builder.add(line); });
    const ListView view = builder.view();
    m_model->setStringList(view.lines);
    m_count->setText(QString::number(view.count));
}

QStringList CastleListScreen::listLines() const {
    return listedLines(m_list);
}

void CastleListScreen::save() {
    const ListFile file = savedList(m_award, StationCallsign(), shown(),
                                    Clock::instance().nowLocal().date(), listLines());
    const bool saved = writeProgramFile(file.fileName, file.lines);
    showMessage(saved ? savedMessage(file.fileName) : saveFailureMessage(file.fileName));
}

void CastleListScreen::print() {
    printLines(printedList(m_award, StationCallsign(), shown(), Clock::instance().nowLocal().date(),
                           listLines()));
}
