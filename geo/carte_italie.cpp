#include "carte_italie.h"

#include "geocount.h"
#include "geolayout.h"
#include "mappicture.h"
#include "provincetable.h"
#include "stationlog.h"
#include "stationsettings.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

Carte_Italie::Carte_Italie(QWidget* owner) : QWidget(owner) {
    setUpScreen(this, QStringLiteral("Carte des provinces contactées"));
    m_bande = makeChoiceBox(this, QStringLiteral("Bande_AX"), geo::bandChoices());
    m_mode = makeChoiceBox(this, QStringLiteral("Mode_A"), geo::modeChoices());
    auto* button = new QPushButton(QStringLiteral("Afficher"), this);
    button->setObjectName(QStringLiteral("Afficher"));
    m_count = makeLabel(this, QStringLiteral("NbPro"), QString());
    m_count->setMinimumWidth(24);
    m_count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* picture = new MapPicture(QStringLiteral("Carte"), QStringLiteral(":/maps/italie.png"),
                                   geo::kMapSize, this);
    for (int n = 1; n <= ProvinceTable::kCount; ++n)
        m_provinces.append(addMapBox(picture, QStringLiteral("Pro_%1").arg(n),
                                     ProvinceTable::code(n), geo::provinceBoxRect(n), false));

    auto* choices = new QHBoxLayout;
    choices->addWidget(makeLabel(this, QStringLiteral("Label_Bande"), QStringLiteral("Bande :")));
    choices->addWidget(m_bande);
    choices->addWidget(makeLabel(this, QStringLiteral("Label_Mode"), QStringLiteral("Mode :")));
    choices->addWidget(m_mode);
    choices->addWidget(button);
    choices->addStretch();
    auto* count = new QGridLayout;
    count->addWidget(m_count, 0, 0);
    count->addWidget(makeLabel(this, QStringLiteral("Label_Contactees"),
                               QStringLiteral("  Provinces contactées")),
                     0, 1);
    count->addWidget(
        makeLabel(this, QStringLiteral("Label_Sur"), QStringLiteral("  sur 110 Provinces")), 1, 1);
    choices->addLayout(count);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(picture);

    connect(button, &QPushButton::clicked, this, &Carte_Italie::afficher);
}

void Carte_Italie::opening() {
    selectSavedChoices(m_bande, m_mode);
    afficher();
}

void Carte_Italie::afficher() {
    Afficher_Carte(m_bande->currentText(), m_mode->currentText());
}

void Carte_Italie::Afficher_Carte(const QString& Bande_Q, const QString& Mode_Q) {
    QStringList lines;
    StationLog(StationCallsign()).loadQsoList(lines);
    const geo::ProvinceFlags worked = geo::provincesOnMap(lines, Bande_Q, Mode_Q);
    for (int n = 0; n < ProvinceTable::kCount; ++n)
        setWorked(m_provinces[n], worked[n]);
    m_count->setNum(geo::countSet(worked));
}
