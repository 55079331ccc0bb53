#pragma once
#include "bytekeys.h"
#include "verdict.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <vector>

// The WAIS award: the locator squares of the station log, merged with the sibling logbook's log
// when that one is installed and up to date.
namespace awards {

// The two WAIS windows word the second update message differently.
enum class WaisWindow { Scores, List };
// "DCI": the station log; "DAI": the sibling logbook's log, at its own columns.
enum class WaisLog { Dci, Dai };

// The sibling logbook's settings, read under its application "DAI" and never written.
struct DaiSettings {
    QString callsign = QStringLiteral("FXXXX");
    QString directory = QStringLiteral("C:\\XXXX");
    QString programUpdated = QStringLiteral("Non"); // "Mise a jour Prog"
    QString logUpdated = QStringLiteral("Non");     // "Mise a jour Log"

    static DaiSettings read();
    QString logPath() const;
};

// Verifie_Import_DAI: whether the sibling log is merged, and the messages to show in order.
struct ImportCheck {
    bool merge = false;
    QStringList messages;
};
ImportCheck verifieImportDai(const DaiSettings& dai, WaisWindow window);

// The hidden sorted list of entries: ascending text, case ignored.
class LocTempo {
public:
    void add(const QString& entry);
    QStringList sorted() const;

private:
    QStringList m_entries;
};

// Collects the entries of the logs for Loc_Tempo from their bytes, keeping only those that can
// start a square: of the entries of one square, only the one that sorts first. A line without
// a locator (too short, or four blanks) gives none. A score entry is the locator in capitals
// and its flag ("*" confirmed, "0" not); a list entry is the 81-column line of the QSO, the
// date widened and band and mode as labels.
class LocatorCollector {
public:
    // kScoreKeyLength for score entries, kListKeyLength for list entries.
    explicit LocatorCollector(int keyLength);
    void add(QByteArrayView logLine, WaisLog log);
    LocTempo locTempo() const;

private:
    bool m_list;
    bytekeys::KeyIndex m_squares;
    std::vector<std::int64_t> m_locators;        // by square
    std::vector<char> m_flags;                   // score: "*" when one QSO is confirmed
    std::vector<std::array<char, 81>> m_entries; // list: the entry that sorts first
    LocTempo m_others;
};

// Walks the sorted entries: each new key (the first `keyLength` characters) is one square,
// confirmed when its first entry is. `first` holds those first entries in order.
struct SquareCount {
    int contacted = 0;
    int confirmed = 0;
    QStringList first;
};
inline constexpr int kScoreKeyLength = 4;
inline constexpr int kListKeyLength = 7;
SquareCount countSquares(const QStringList& sortedEntries, int keyLength);

// The 80-column line shown for the first entry of a square, "*" last when confirmed.
QString waisShownLine(const QString& listEntry);
QStringList waisShownLines(const SquareCount& squares);

inline const QString kWaisHeading = QStringLiteral(
    "    Locator           Indicatif                          Date        QTR     QRG   Mode   "
    "Prov   Reference                                     QSL");
// Where each word of the heading stands in a shown line: locator (from the line's start, as the
// word is longer than the square), callsign, date, time, band, mode, province, the castle's
// reference after its "DCI-", QSL marker.
inline const QList<int> kWaisHeadingColumns{0, 8, 24, 35, 41, 45, 51, 58, 79};
inline const QString kTempoLocatorFile = QStringLiteral("Tempo_Locator.txt");

QString waisWindowTitle(bool merge);
QString waisContactedCaption(bool merge);
QString waisConfirmedCaption(bool merge);
QStringList waisLevelLabels(); // Label13 to Label17, then Label9
Verdict locatorVerdict(int confirmed);

// Reads one log for the WAIS windows, line by line. A station log that cannot be read gives no
// line; a sibling log that cannot be read gives no line and the message naming it.
void scanWaisLog(WaisLog log, const DaiSettings& dai, QString& failure,
                 const std::function<void(QByteArrayView)>& visit);

} // namespace awards
