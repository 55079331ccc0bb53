#include "locatorcount.h"

#include "qsorecord.h"
#include "stationlog.h"
#include "stationsettings.h"
#include "textfile.h"

#include <QDir>

#include <algorithm>

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

// A fixed column, blank-filled when the line stops short of it.
QString column(const QString& line, int start, int width) {
    return line.mid(start, width).leftJustified(width, u' ');
}

// The locator in capitals, or empty when the line cannot hold one or it is blank.
QString locatorOf(const QString& line, const Columns& c) {
    if (line.size() < c.locator + 4)
        return {};
    const QString locator = line.mid(c.locator, 4).toUpper();
    return locator == u"    " ? QString() : locator;
}

QChar flagOf(const QString& line, const Columns& c) {
    return line.mid(c.qsl, 1) == u"*" ? u'*' : u'0';
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

QString waisBandLabel(const QString& band) {
    static const QList<std::pair<QString, QString>> kBands = {
        {QStringLiteral("3.5 Mhz"), QStringLiteral("80m")},
        {QStringLiteral("7.0 Mhz"), QStringLiteral("40m")},
        {QStringLiteral("14 Mhz "), QStringLiteral("20m")},
        {QStringLiteral("21 Mhz "), QStringLiteral("15m")},
        {QStringLiteral("28 Mhz "), QStringLiteral("10m")},
    };
    for (const auto& [stored, label] : kBands)
        if (band == stored)
            return label;
    return QStringLiteral("??m");
}

QString waisModeLabel(const QString& mode) {
    static const QList<std::pair<QString, QString>> kModes = {
        {QStringLiteral("SSB"), QStringLiteral("PHONE")},
        {QStringLiteral("CW "), QStringLiteral("CW   ")},
        {QStringLiteral("AM "), QStringLiteral("AM   ")},
        {QStringLiteral("RTT"), QStringLiteral("RTTY ")},
        {QStringLiteral("SST"), QStringLiteral("SSTV ")},
    };
    for (const auto& [stored, label] : kModes)
        if (mode == stored)
            return label;
    return QStringLiteral("?????");
}

QString waisScoreEntry(const QString& logLine, WaisLog log) {
    const Columns& c = columnsOf(log);
    const QString locator = locatorOf(logLine, c);
    return locator.isEmpty() ? QString() : locator + flagOf(logLine, c);
}

QString waisListEntry(const QString& logLine, WaisLog log) {
    const Columns& c = columnsOf(log);
    const QString locator = locatorOf(logLine, c);
    if (locator.isEmpty())
        return {};
    const QChar flag = flagOf(logLine, c);
    const QString time = column(logLine, c.time, 5);
    const QString reference = column(logLine, c.reference, c.referenceWidth);
    // Built in place: a merged list has an entry per QSO of two logs.
    QString out;
    out.reserve(100);
    out += QLatin1StringView("   ");
    out += locator;
    out += flag;
    out += u' ';
    out += column(logLine, c.callsign, 12);
    out += QLatin1StringView("    ");
    out += widenedDate(column(logLine, c.date, 8));
    out += u' ';
    out += QStringView(time).left(2);
    out += QStringView(time).right(2);
    out += QLatin1StringView("  ");
    out += waisBandLabel(column(logLine, c.band, 7));
    out += u' ';
    out += waisModeLabel(column(logLine, c.mode, 3));
    out += u' ';
    out += QStringView(reference).left(2);
    out += u' ';
    out += QStringView(c.referencePrefix);
    out += QStringView(reference).left(21);
    out += QString(21 - qMin<qsizetype>(21, reference.size()), u' ');
    out += flag;
    return out;
}

void LocTempo::add(const QString& entry) {
    m_entries.append(entry);
}

void LocTempo::addScoreEntries(const QStringList& logLines, WaisLog log) {
    for (const QString& line : logLines)
        if (const QString entry = waisScoreEntry(line, log); !entry.isEmpty())
            add(entry);
}

void LocTempo::addListEntries(const QStringList& logLines, WaisLog log) {
    for (const QString& line : logLines)
        if (const QString entry = waisListEntry(line, log); !entry.isEmpty())
            add(entry);
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

QStringList readWaisLog(WaisLog log, const DaiSettings& dai, QString& failure) {
    failure.clear();
    QStringList lines;
    if (log == WaisLog::Dci) {
        readTextLines(StationLog(StationCallsign()).path(), lines);
        return lines;
    }
    if (!readTextLines(dai.logPath(), lines))
        failure = "Impossible de lire le fichier " + dai.logPath();
    return lines;
}

} // namespace awards
