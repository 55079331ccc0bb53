#include "locatorcount.h"

#include "bytekeys.h"
#include "capitals.h"
#include "codepage.h"
#include "logbytes.h"
#include "qsorecord.h"
#include "stationlog.h"
#include "stationsettings.h"
#include "textfile.h"

#include <QDir>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <span>

namespace awards {

namespace {

const QString kSetup = QStringLiteral("Setup ");
const QString kNo = QStringLiteral("Non");

// Where each log keeps the fields the list shows (0-based start).
struct Columns {
    int callsign, locator, reference, referenceWidth, date, time, mode, band, qsl;
    const char16_t* referencePrefix;
};
constexpr Columns kDciColumns{LogColumns::kCallsign,  LogColumns::kLocator,
                              LogColumns::kReference, 5,
                              LogColumns::kDate,      LogColumns::kTime,
                              LogColumns::kMode,      LogColumns::kBand,
                              LogColumns::kQsl,       u"DCI-"};
constexpr Columns kDaiColumns{0, 13, 34, 6, 41, 50, 56, 60, 137, u"DAI-"};

const Columns& columnsOf(WaisLog log) {
    return log == WaisLog::Dci ? kDciColumns : kDaiColumns;
}

char flagOf(QByteArrayView line, const Columns& c) {
    return line.size() > c.qsl && line[c.qsl] == '*' ? '*' : '0';
}

// The locator of a line, its four bytes in capitals; 0 when the line cannot hold one or it is
// blank, -1 when a "ß" makes its capitals longer.
std::int64_t capitalLocator(QByteArrayView line, const Columns& c) {
    if (line.size() < c.locator + 4)
        return 0;
    const auto& capitals = capitalTable();
    std::int64_t key = 0;
    bool blank = true;
    for (int i = 0; i < 4; ++i) {
        const auto b = capitals[static_cast<unsigned char>(line[c.locator + i])];
        if (b == kSharpS)
            return -1;
        blank = blank && b == ' ';
        key |= std::int64_t(static_cast<unsigned char>(b)) << (8 * (3 - i));
    }
    // A marker above the four bytes, so that no locator, four NULs included, is 0.
    return blank ? 0 : key | (std::int64_t(1) << 32);
}

// Where an entry of `kEntrySize` bytes is built from an ASCII line.
constexpr int kEntrySize = 81;
constexpr int kFlagAt = 7, kCallsignAt = 9;
using EntryBytes = std::array<char, kEntrySize>;

struct Label {
    const char* stored;
    const char* label;
};
constexpr Label kBands[] = {{"3.5 Mhz", "80m"},
                            {"7.0 Mhz", "40m"},
                            {"14 Mhz ", "20m"},
                            {"21 Mhz ", "15m"},
                            {"28 Mhz ", "10m"}};
constexpr Label kModes[] = {
    {"SSB", "PHONE"}, {"CW ", "CW   "}, {"AM ", "AM   "}, {"RTT", "RTTY "}, {"SST", "SSTV "}};

const char* labelOf(QByteArrayView stored, std::span<const Label> labels, const char* unknown) {
    for (const Label& l : labels)
        if (stored == QByteArrayView(l.stored))
            return l.label;
    return unknown;
}

// The list entry of a line whose locator in capitals is `locator`, at `d`; returns its end.
char* writeListEntry(QByteArrayView line, const Columns& c, QByteArrayView locator, char* d) {
    // A view with no data (a field past the end of the line) must not reach memcpy.
    const auto put = [&d](QByteArrayView text) {
        if (!text.isEmpty())
            std::memcpy(d, text.data(), size_t(text.size()));
        d += text.size();
    };
    // A fixed column, blank-filled when the line stops short of it.
    const auto columnOf = [line](int start, int width, char* out) {
        const QByteArrayView value = byteColumn(line, start, width);
        if (!value.isEmpty())
            std::memcpy(out, value.data(), size_t(value.size()));
        std::memset(out + value.size(), ' ', size_t(width - value.size()));
        return QByteArrayView(out, width);
    };
    char field[12];
    const char flag = flagOf(line, c);
    put("   ");
    put(locator);
    *d++ = flag;
    *d++ = ' ';
    put(columnOf(c.callsign, 12, field));
    put("    ");
    // The date widened: its first six characters, the century, its last two.
    const QByteArrayView date = columnOf(c.date, 8, field);
    const bool digits = std::isdigit(static_cast<unsigned char>(date[6])) &&
                        std::isdigit(static_cast<unsigned char>(date[7]));
    const int year = digits ? (date[6] - '0') * 10 + (date[7] - '0') : -1;
    put(date.first(6));
    put(centuryOf(year));
    put(date.sliced(6));
    *d++ = ' ';
    const QByteArrayView time = columnOf(c.time, 5, field);
    put(time.first(2));
    put(time.sliced(3));
    put("  ");
    put(labelOf(columnOf(c.band, 7, field), kBands, "??m"));
    *d++ = ' ';
    put(labelOf(columnOf(c.mode, 3, field), kModes, "?????"));
    *d++ = ' ';
    const QByteArrayView reference = columnOf(c.reference, c.referenceWidth, field);
    put(reference.first(2));
    *d++ = ' ';
    for (int i = 0; i < 4; ++i)
        *d++ = char(c.referencePrefix[i]);
    put(reference);
    std::memset(d, ' ', size_t(21 - c.referenceWidth));
    d += 21 - c.referenceWidth;
    *d++ = flag;
    return d;
}

// The four capitals of a locator key.
QByteArrayView locatorBytes(std::int64_t locator, char* out) {
    for (int i = 0; i < 4; ++i)
        out[i] = char(locator >> (8 * (3 - i)));
    return QByteArrayView(out, 4);
}

// Whether entry `a` sorts before entry `b` in Loc_Tempo: case ignored, then exactly, as their
// characters compare; equal entries keep their order.
bool entryLess(const EntryBytes& a, const EntryBytes& b) {
    const int folded = bytekeys::foldedOrder(QByteArrayView(a.data(), kEntrySize),
                                             QByteArrayView(b.data(), kEntrySize));
    if (folded != 0)
        return folded < 0;
    const auto mismatch = std::mismatch(a.begin(), a.end(), b.begin());
    const auto& chars = bytekeys::decodeTable();
    return mismatch.first != a.end() && chars[static_cast<unsigned char>(*mismatch.first)] <
                                            chars[static_cast<unsigned char>(*mismatch.second)];
}

} // namespace

DaiSettings DaiSettings::read() {
    DaiSettings dai;
    dai.callsign =
        StationSettings::siblingValue(kSetup, QStringLiteral("Indicatif Station"), dai.callsign);
    dai.directory =
        StationSettings::siblingValue(kSetup, QStringLiteral("Chemin Repertoire"), dai.directory);
    const QString section = kSetup + dai.callsign;
    dai.programUpdated =
        StationSettings::siblingValue(section, QStringLiteral("Mise a jour Prog"), kNo);
    dai.logUpdated = StationSettings::siblingValue(section, QStringLiteral("Mise a jour Log"), kNo);
    return dai;
}

QString DaiSettings::logPath() const {
    return QDir(directory).filePath(callsign + "_DAI.log");
}

ImportCheck verifieImportDai(const DaiSettings& dai, WaisWindow window) {
    ImportCheck check;
    if (dai.callsign == StationSettings::kNoStation)
        return check;
    QString programMessage;
    if (dai.programUpdated == kNo) {
        programMessage = QStringLiteral("Pour importer les locators de 'ZELK_DAI' celui-ci doit "
                                        "etre a une revision superieur a V1.0.5");
        check.messages.append(programMessage);
    }
    if (dai.logUpdated == kNo) {
        const QString logMessage =
            window == WaisWindow::Scores
                ? QStringLiteral("Pour importer les locators du log de 'ZELK_DAI' celui-ci etre "
                                 "mis a jour avec le programme 'Ajout_Locator_a_ZELK_DAI.exe'")
                : QStringLiteral("Pour importer les locators du log de 'ZELK_DAI' celui*ci doit "
                                 "etre mis a jour avec le programme "
                                 "'Ajout_Locator_a_ZELK_DAI.exe'");
        check.messages.append(programMessage + "\r\n" + logMessage);
    }
    check.merge = check.messages.isEmpty();
    return check;
}

void LocTempo::add(const QString& entry) {
    m_entries.append(entry);
}

QStringList LocTempo::sorted() const {
    QStringList entries = m_entries;
    sortIgnoringCase(entries, true);
    return entries;
}

SquareCount countSquares(const QStringList& sortedEntries, int keyLength) {
    SquareCount count;
    QString previous;
    for (const QString& entry : sortedEntries) {
        const QString key = entry.left(keyLength);
        if (key == previous)
            continue;
        previous = key;
        ++count.contacted;
        if (entry.mid(keyLength, 1) != u"0")
            ++count.confirmed;
        count.first.append(entry);
    }
    return count;
}

QString waisShownLine(const QString& listEntry) {
    const bool confirmed = listEntry.mid(kListKeyLength, 1) != u"0";
    return listEntry.left(7) + listEntry.mid(8, 72) + (confirmed ? u'*' : u' ');
}

QStringList waisShownLines(const SquareCount& squares) {
    QStringList lines;
    lines.reserve(squares.first.size());
    for (const QString& entry : squares.first)
        lines.append(waisShownLine(entry));
    return lines;
}

QString waisWindowTitle(bool merge) {
    return merge ? QStringLiteral("Locators DAI et DCI contactés")
                 : QStringLiteral("Locators DCI contactés");
}

QString waisContactedCaption(bool merge) {
    return merge ? QStringLiteral("Locators DCI + DAI contacté(s)")
                 : QStringLiteral("Locators DCI contacté(s)");
}

QString waisConfirmedCaption(bool merge) {
    return merge ? QStringLiteral("Locators DCI + DAI confirmé(s)")
                 : QStringLiteral("Locators DCI confirmé(s)");
}

QStringList waisLevelLabels() {
    return {
        QStringLiteral("   100 Locators pour le diplome de base"),
        QStringLiteral("   200 Locators pour le diplome Advanced"),
        QStringLiteral("   300 Locators pour le diplome Extra"),
        QStringLiteral("   500 Locators pour le diplome d'Or"),
        QStringLiteral(" 1000 Locators pour le diplome de Platine"),
        QStringLiteral(" 1400 Locators pour le diplome de Diamant"),
    };
}

Verdict locatorVerdict(int confirmed) {
    return levelVerdict(confirmed,
                        {{1400, u"le diplome de Diamant"},
                         {1000, u"le diplome de Platine"},
                         {500, u"le diplome d'Or"},
                         {300, u"le diplome Extra"},
                         {200, u"le diplome Advanced"},
                         {100, u"le diplome de Base"}},
                        QStringLiteral("de diplomes des Locators Italiens"));
}

void scanWaisLog(WaisLog log, const DaiSettings& dai, QString& failure,
                 const std::function<void(QByteArrayView)>& visit) {
    failure.clear();
    if (log == WaisLog::Dci) {
        bytekeys::scanStationLog(visit);
        return;
    }
    if (!bytekeys::scanFile(dai.logPath(), visit))
        failure = "Impossible de lire le fichier " + dai.logPath();
}

LocatorCollector::LocatorCollector(int keyLength) : m_list(keyLength == kListKeyLength) {}

void LocatorCollector::add(QByteArrayView logLine, WaisLog log) {
    const Columns& c = columnsOf(log);
    const std::int64_t locator = capitalLocator(logLine, c);
    if (locator == 0)
        return;
    if (locator < 0) {
        // A "ß" widens the locator, and the entry with it: it stands apart in Loc_Tempo.
        char entry[kEntrySize + 8];
        QByteArray capitals;
        appendCapitals(logLine.sliced(c.locator, 4), capitals);
        char* end = entry;
        if (m_list) {
            end = writeListEntry(logLine, c, capitals, entry);
        } else {
            end = std::copy(capitals.begin(), capitals.end(), entry);
            *end++ = flagOf(logLine, c);
        }
        m_others.add(decodeCp1252(QByteArrayView(entry, end - entry)));
        return;
    }
    const int square = m_squares.insert(std::uint64_t(locator));
    const bool isNew = square == int(m_locators.size());
    if (isNew)
        m_locators.push_back(locator);
    if (!m_list) {
        if (isNew)
            m_flags.push_back('0');
        if (flagOf(logLine, c) == '*')
            m_flags[square] = '*';
        return;
    }
    // The entries of one square begin alike up to the flag, then the callsign: most lines are
    // passed over on these two without building their entry.
    if (!isNew) {
        const EntryBytes& first = m_entries[square];
        const char flag = flagOf(logLine, c);
        if (flag != first[kFlagAt]) {
            if (flag > first[kFlagAt])
                return;
        } else if (bytekeys::foldedOrder(byteColumn(logLine, c.callsign, 12),
                                         QByteArrayView(first.data() + kCallsignAt, 12)) > 0) {
            return;
        }
    }
    EntryBytes entry;
    char capitals[4];
    writeListEntry(logLine, c, locatorBytes(locator, capitals), entry.data());
    if (isNew)
        m_entries.push_back(entry);
    else if (entryLess(entry, m_entries[square]))
        m_entries[square] = entry;
}

LocTempo LocatorCollector::locTempo() const {
    LocTempo tempo = m_others;
    for (std::size_t square = 0; square < m_locators.size(); ++square) {
        if (m_list) {
            tempo.add(decodeCp1252(QByteArrayView(m_entries[square].data(), kEntrySize)));
            continue;
        }
        char entry[5];
        locatorBytes(m_locators[square], entry);
        entry[4] = m_flags[square];
        tempo.add(decodeCp1252(QByteArrayView(entry, 5)));
    }
    return tempo;
}

} // namespace awards
