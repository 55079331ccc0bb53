#include "carte_acti_dci.h"

#include "dialogs.h"
#include "geolayout.h"
#include "mappicture.h"
#include "markregions.h"
#include "provincetable.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

Carte_Acti_DCI::Carte_Acti_DCI(QWidget* owner) : QWidget(owner) {
    const MapScreen m = buildMapScreen(
        this, {QStringLiteral("Carte des régions contactées"), QStringLiteral("Bande_A"),
               QStringLiteral("Mode_AX"), QStringLiteral("Bande : "), QStringLiteral("Mode : "),
               QStringLiteral("NbReg"), QStringLiteral("  Régions contactées"),
               QStringLiteral("sur 20 Régions"), QStringLiteral("Picture1")});
    m_bande = m.bande;
    m_mode = m.mode;
    m_count = m.count;
    for (int r = 1; r <= RegionTable::kCount; ++r)
        m_regions.append(addMapBox(m.picture, QStringLiteral("Dep_%1").arg(r),
                                   geo::regionBoxText(r), geo::regionBoxRect(r), true));
    connect(m.afficher, &QPushButton::clicked, this, &Carte_Acti_DCI::afficher);
}

void Carte_Acti_DCI::opening() {
    selectSavedChoices(m_bande, m_mode);
    showRegions({});
    afficher();
}

void Carte_Acti_DCI::afficher() {
    if (const QString refusal = geo::emptyBandMessage(m_bande->currentText()); !refusal.isEmpty()) {
        showMessage(refusal);
        return;
    }
    m_count->setNum(MarkRegionsContacted(m_bande->currentText(), m_mode->currentText()));
}

void Carte_Acti_DCI::showRegions(const geo::RegionFlags& worked) {
    for (int r = 0; r < RegionTable::kCount; ++r)
        setWorked(m_regions[r], worked[r]);
}
