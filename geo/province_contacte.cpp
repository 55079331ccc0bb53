#include "province_contacte.h"

#include "geocount.h"
#include "mappicture.h"
#include "screen.h"
#include "stationlog.h"
#include "stationsettings.h"

#include <QComboBox>
#include <QGridLayout>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>

Province_Contacte::Province_Contacte(QWidget* owner)
    : QWidget(owner), m_provinces(new QStringListModel(this)) {
    setUpScreen(this, QStringLiteral("Provinces contactées"));
    m_bande = makeChoiceBox(this, QStringLiteral("Bande_A"), geo::provinceBandChoices());
    m_mode = makeChoiceBox(this, QStringLiteral("Mode_AX"), geo::modeChoices());
    auto* button = new QPushButton(QStringLiteral("Afficher"), this);
    button->setObjectName(QStringLiteral("Afficher"));
    QListView* list = makeResultList(this, QStringLiteral("Provinces"), m_provinces);
    for (QWidget* w : {static_cast<QWidget*>(m_bande), static_cast<QWidget*>(m_mode),
                       static_cast<QWidget*>(list)})
        setBackground(w, Colours::kPassed);

    auto* grid = new QGridLayout(this);
    grid->addWidget(
        makeLabel(this, QStringLiteral("Titre"), QStringLiteral("Provinces contactées")), 0, 0, 1,
        3, Qt::AlignHCenter);
    grid->addWidget(makeLabel(this, QStringLiteral("Label_Bande"), QStringLiteral("Bande")), 1, 0);
    grid->addWidget(makeLabel(this, QStringLiteral("Label_Mode"), QStringLiteral("Mode")), 1, 1);
    grid->addWidget(m_bande, 2, 0);
    grid->addWidget(m_mode, 2, 1);
    grid->addWidget(button, 2, 2);
    grid->addWidget(list, 3, 0, 1, 3);
    list->setMinimumSize(320, 360);

    connect(button, &QPushButton::clicked, this, &Province_Contacte::afficher);
}

void Province_Contacte::afficher() {
    QStringList lines;
    StationLog(StationCallsign()).loadQsoList(lines);
    m_provinces->setStringList(
        geo::provinceListLines(lines, m_bande->currentText(), m_mode->currentText()));
}
