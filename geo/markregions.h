#pragma once
#include <QString>

// Paints the region boxes of Carte_Acti_DCI and fills the list of Regions_Contacte with the
// regions worked on `band` and `mode`, creating either screen hidden when it is not open.
// Returns the number of regions worked.
int MarkRegionsContacted(const QString& band, const QString& mode);
