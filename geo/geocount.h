#pragma once
#include <QString>
#include <QStringList>

#include <array>

// The rules of the province and region views, over the lines of the station log.
namespace geo {

using ProvinceFlags = std::array<bool, 110>; // by province number - 1
using RegionFlags = std::array<bool, 20>;    // by region number - 1

template <std::size_t N> int countSet(const std::array<bool, N>& flags) {
    int count = 0;
    for (bool f : flags)
        count += f ? 1 : 0;
    return count;
}

// List of provinces contacted: the code is compared as stored, so a lower-case reference is
// not counted; band and mode are trimmed on both sides.
QStringList provinceListLines(const QStringList& logLines, const QString& band,
                              const QString& mode);

// Map of Italy: the code is trimmed and upper-cased; band and mode are trimmed on both sides.
ProvinceFlags provincesOnMap(const QStringList& logLines, const QString& band, const QString& mode);

// Regions contacted: the code is trimmed and upper-cased; band and mode are taken as chosen.
RegionFlags regionsWorked(const QStringList& logLines, const QString& band, const QString& mode);
QStringList regionListLines(const RegionFlags& regions);

// The refusal of an empty band by the region views; empty when the band can be shown.
QString emptyBandMessage(const QString& band);

// The band and mode choices of the views.
QStringList bandChoices();
// The province list's own band choices, whose "14 Mhz " keeps its trailing blank.
QStringList provinceBandChoices();
QStringList modeChoices();

// Position in bandChoices() of the band last used on Main (−1 for a typed band); any value
// that names no band falls back to "Toutes".
int savedBandChoice(int savedIndex);
// Text of the mode last used on Main: empty for a typed mode or an unknown index.
QString savedModeChoice(int savedIndex);

// The province locator.
inline const QString kPrefixLength = QStringLiteral("2 caracteres pour le Prefixe");
// Empty when the typed code can be located.
QString prefixLengthMessage(const QString& prefix);
// Letters a to z are typed in upper case.
QChar typedPrefixChar(QChar typed);

struct Location {
    int province = 0; // 0: not a province code
    QString message;  // the refusal of a code that is not a province
    QString provinceLabel;
    QString regionLabel;
    QString statusLabel;
};
Location locateProvince(const QString& code, const QStringList& logLines);

// The mini map of a new province, from the reference being entered.
struct MiniMapView {
    int province = 0; // 0: no dot
    QString name;
};
MiniMapView miniMapFor(const QString& referenceText);

} // namespace geo
