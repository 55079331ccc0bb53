#include "regions_contacte.h"

#include "carte_acti_dci.h"
#include "dialogs.h"
#include "geocount.h"
#include "mappicture.h"
#include "screenslot.h"
#include "stationlog.h"
#include "stationsettings.h"

#include <QComboBox>
#include <QPushButton>
#include <QStringListModel>

Regions_Contacte::Regions_Contacte(QWidget* owner)
    : QWidget(owner), m_regions(new QStringListModel(this)) {
    const ContactedList controls =
        buildContactedList(this, QStringLiteral("Regions contactées"), geo::bandChoices(),
                           QStringLiteral("Regions"), m_regions);
    m_bande = controls.bande;
    m_mode = controls.mode;
    connect(controls.afficher, &QPushButton::clicked, this, &Regions_Contacte::afficher);
}

void Regions_Contacte::afficher() {
    if (const QString refusal = geo::emptyBandMessage(m_bande->currentText()); !refusal.isEmpty()) {
        showMessage(refusal);
        return;
    }
    m_regions->setStringList({});
    MarkRegionsContacted(m_bande->currentText(), m_mode->currentText());
}

void Regions_Contacte::setRegions(const QStringList& lines) {
    m_regions->setStringList(lines);
}

int MarkRegionsContacted(const QString& band, const QString& mode) {
    // The map first: when it is created here, its own opening display runs before ours.
    Carte_Acti_DCI* map = ensureScreen<Carte_Acti_DCI>(existingScreen<Regions_Contacte>());
    map->showRegions({});
    Regions_Contacte* regions = ensureScreen<Regions_Contacte>(map);
    regions->setRegions({});

    geo::ProvinceScan scan(geo::ProvinceScan::Rule::Regions, band, mode);
    scan.addFile(StationLog(StationCallsign()).path());
    const geo::RegionFlags worked = scan.regions();
    map->showRegions(worked);
    regions->setRegions(geo::regionListLines(worked));
    return geo::countSet(worked);
}
