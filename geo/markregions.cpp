#include "markregions.h"

#include "carte_acti_dci.h"
#include "geocount.h"
#include "regions_contacte.h"
#include "screenslot.h"
#include "stationlog.h"
#include "stationsettings.h"

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
