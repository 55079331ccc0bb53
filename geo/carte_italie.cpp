#include "carte_italie.h"

#include "geocount.h"
#include "geolayout.h"
#include "mappicture.h"
#include "provincetable.h"
#include "stationlog.h"
#include "stationsettings.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

Carte_Italie::Carte_Italie(QWidget* owner) : QWidget(owner) {
    const MapScreen m = buildMapScreen(
        this, {QStringLiteral("Carte des provinces contactées"), QStringLiteral("Bande_AX"),
               QStringLiteral("Mode_A"), QStringLiteral("Bande :"), QStringLiteral("Mode :"),
               QStringLiteral("NbPro"), QStringLiteral("  Provinces contactées"),
               QStringLiteral("  sur 110 Provinces"), QStringLiteral("Carte")});
    m_bande = m.bande;
    m_mode = m.mode;
    m_count = m.count;
    for (int n = 1; n <= ProvinceTable::kCount; ++n)
        m_provinces.append(addMapBox(m.picture, QStringLiteral("Pro_%1").arg(n),
                                     ProvinceTable::code(n), geo::provinceBoxRect(n), false));
    connect(m.afficher, &QPushButton::clicked, this, &Carte_Italie::afficher);
}

void Carte_Italie::opening() {
    selectSavedChoices(m_bande, m_mode);
    afficher();
}

void Carte_Italie::afficher() {
    Afficher_Carte(m_bande->currentText(), m_mode->currentText());
}

void Carte_Italie::Afficher_Carte(const QString& Bande_Q, const QString& Mode_Q) {
    geo::ProvinceScan scan(geo::ProvinceScan::Rule::Map, Bande_Q, Mode_Q);
    scan.addFile(StationLog(StationCallsign()).path());
    const geo::ProvinceFlags& worked = scan.provinces();
    for (int n = 0; n < ProvinceTable::kCount; ++n) {
        setWorked(m_provinces[n], worked[n]);
        // A worked box must never sit under a neighbour's edge.
        if (worked[n])
            m_provinces[n]->raise();
    }
    m_count->setNum(geo::countSet(worked));
}
