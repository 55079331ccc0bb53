#pragma once
#include <QString>

// What the program remembers between runs: application "DCI", section "Setup " for the station
// and the directory, and "Setup " + callsign for each station's last band and mode.
class StationSettings {
public:
    static inline const QString kNoStation = QStringLiteral("FXXXX");
    // The CMake project version, with a leading blank.
    static inline const QString kVersion = QStringLiteral(" " ZELK_VERSION);

    static QString stationCallsign();
    static void setStationCallsign(const QString& callsign);
    static void setProgramDirectory(const QString& directory);
    static int bandIndex(const QString& callsign);
    static void setBandIndex(const QString& callsign, int index);
    static int modeIndex(const QString& callsign);
    static void setModeIndex(const QString& callsign, int index);
    static void setRevision(const QString& callsign);

    static QString stationSection(const QString& callsign) { return "Setup " + callsign; }
    // Any text value of the store, for the sections and keys of other screens.
    static QString value(const QString& section, const QString& key, const QString& fallback);
    static void setValue(const QString& section, const QString& key, const QString& value);
    // The sibling logbook's settings, read only.
    static QString siblingValue(const QString& section, const QString& key,
                                const QString& fallback);
};

// Why a station callsign is refused, or empty when it is good: 1 to 12 capitals, digits or "_"
// (it names the log file), and not "FXXXX", which means no station.
QString checkStationCallsign(const QString& callsign);

// The station callsign held in memory for the whole run; "FXXXX" while none is set.
QString& StationCallsign();
