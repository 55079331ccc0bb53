#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

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

// Which provinces the lines of the log hold on a band and mode, fed one line at a time as the
// bytes of the file; the results are those of the decoded lines.
class ProvinceScan {
public:
    enum class Rule {
        List,    // the code as stored, so a lower-case reference is not counted; band and mode
                 // trimmed on both sides
        Map,     // the code trimmed and upper-cased; band and mode trimmed on both sides
        Regions, // the code trimmed and upper-cased; band and mode taken as chosen
    };
    ProvinceScan(Rule rule, const QString& band, const QString& mode);
    void add(QByteArrayView logLine);
    // Every line of the file; false when it cannot be read.
    bool addFile(const QString& path);
    const ProvinceFlags& provinces() const { return m_provinces; }
    // The regions of the provinces found.
    RegionFlags regions() const;

private:
    Rule m_rule;
    bool m_allBands;
    std::optional<QByteArray> m_band; // none: no line can match
    std::optional<QByteArray> m_mode;
    ProvinceFlags m_provinces{};
};

// The list lines of the provinces found, in table order; MB and FM have none.
QStringList provinceListLines(const ProvinceFlags& provinces);

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
// The location once the log has been read: `contacted` when a line holds the code.
Location locationOf(const QString& code, bool contacted);
// True when the code of the bytes of a log line, trimmed and upper-cased, is `code`.
bool lineHasCode(QByteArrayView logLine, const QString& code);
// True when a line of the file has the code; false too when the file cannot be read.
bool logHasCode(const QString& path, const QString& code);

// The mini map of a new province, from the reference being entered.
struct MiniMapView {
    int province = 0; // 0: no dot
    QString name;
};
MiniMapView miniMapFor(const QString& referenceText);

} // namespace geo
