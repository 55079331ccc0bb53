#include "stationlog.h"

#include "codepage.h"
#include "linetable.h"
#include "logbytes.h"
#include "programdirectory.h"
#include "qsorecord.h"
#include "textfile.h"

#include <QFile>
#include <QFileInfo>

namespace {

char16_t unit(QChar c) {
    return c.unicode();
}
char16_t unit(char c) {
    return static_cast<unsigned char>(c);
}

// The number formed by two digits at `at`, or -1.
template <class View> int twoDigits(View s, qsizetype at) {
    const char16_t a = unit(s[at]), b = unit(s[at + 1]);
    if (a < u'0' || a > u'9' || b < u'0' || b > u'9')
        return -1;
    return (a - u'0') * 10 + (b - u'0');
}

// Digits, '/' and ':' are the same in a decoded line and in its bytes.
template <class View> qint64 instantOf(View line) {
    if (line.size() < LogColumns::kTime + 5)
        return -1;
    const View date = line.sliced(LogColumns::kDate, 8);
    const View time = line.sliced(LogColumns::kTime, 5);
    if (unit(date[2]) != u'/' || unit(date[5]) != u'/' || unit(time[2]) != u':')
        return -1;
    const int day = twoDigits(date, 0), month = twoDigits(date, 3), yy = twoDigits(date, 6);
    const int hours = twoDigits(time, 0), minutes = twoDigits(time, 3);
    if (day < 0 || month < 0 || yy < 0 || hours < 0 || minutes < 0)
        return -1;
    const qint64 year = widenedYear(yy);
    return (((year * 100 + month) * 100 + day) * 100 + hours) * 100 + minutes;
}

} // namespace

int widenedYear(int twoDigitYear) {
    return (twoDigitYear >= 50 ? 1900 : 2000) + twoDigitYear;
}

QString widenedDate(QStringView date) {
    const QStringView yy = date.size() >= 2 ? date.last(2) : date;
    const int year = yy.size() == 2 ? twoDigits(yy, 0) : -1;
    const QString century =
        year < 0 ? QStringLiteral("20") : QString::number(widenedYear(year) / 100);
    return date.first(qMin<qsizetype>(6, date.size())).toString() + century + yy.toString();
}

qint64 recordInstant(QStringView line) {
    return instantOf(line);
}

StationLog::StationLog(const QString& callsign)
    : m_path(ProgramDirectory::filePath(fileNameFor(callsign))) {}

QString StationLog::fileNameFor(const QString& callsign) {
    return callsign + "_DCI.log";
}

QString StationLog::fileName() const {
    return QFileInfo(m_path).fileName();
}

bool StationLog::exists() const {
    return QFileInfo::exists(m_path);
}

bool StationLog::readable() const {
    QFile f(m_path);
    return f.open(QIODevice::ReadOnly);
}

QString StationLog::scratch(const QString& name) const {
    return ProgramDirectory::filePath(name);
}

bool StationLog::createStationLog() const {
    QStringList templateLines;
    if (!readTextLines(ProgramDirectory::filePath("FXXXX.txt"), templateLines))
        return false;
    return rewrite(templateLines, "Temporaire.txt");
}

bool StationLog::loadQsoList(QStringList& lines) const {
    return readTextLines(m_path, lines);
}

bool StationLog::rewrite(const QStringList& lines, const QString& scratchName) const {
    return rewriteTextFile(m_path, scratch(scratchName), lines);
}

bool StationLog::appendQso(const QString& line) const {
    if (!QFileInfo::exists(m_path))
        return false;
    return appendTextLine(m_path, line);
}

bool StationLog::replaceQso(const QString& newLine, const QString& oldLine, int lineNumber) const {
    LineTable lines;
    if (!lines.read(m_path))
        return false;
    const std::optional<QByteArray> old = exactCp1252(oldLine);
    const auto holdsOld = [&](int row) { return old && lines.bytes(row) == *old; };
    int at = lineNumber - 1;
    if (at < 0 || at >= lines.size() || !holdsOld(at)) {
        at = -1;
        for (int row = 0; row < lines.size() && at < 0; ++row)
            if (holdsOld(row))
                at = row;
    }
    const QByteArray replacement = encodeCp1252(newLine);
    LineWriter out(lines.rewrittenSize() + replacement.size() + 2);
    if (at >= 0) {
        out.addRows(lines, 0, at);
        out.add(replacement);
        out.addRows(lines, at + 1, lines.size());
    } else {
        out.addRows(lines, 0, lines.size());
        out.add(replacement);
    }
    return rewriteFile(m_path, scratch("Temporaire.txt"), out.data());
}

bool StationLog::deleteQso(const QString& line, int lineNumber) const {
    LineTable lines;
    if (!lines.read(m_path))
        return false;
    const std::optional<QByteArray> gone = exactCp1252(line);
    const auto holdsGone = [&](int row) { return gone && lines.bytes(row) == *gone; };
    const int at = lineNumber - 1;
    // The selected record alone; when it no longer holds the text, every record that does.
    const bool atSelected = at >= 0 && at < lines.size() && holdsGone(at);
    LineWriter out(lines.rewrittenSize());
    for (int row = 0; row < lines.size(); ++row) {
        if (atSelected ? row == at : holdsGone(row))
            continue;
        out.add(lines.bytes(row));
    }
    return rewriteFile(m_path, scratch("Temporaire.txt"), out.data());
}

bool StationLog::insertQsoByDateTime(const QString& line) const {
    const qint64 instant = recordInstant(line);
    if (instant < 0)
        return false;
    LineTable lines;
    if (!lines.read(m_path))
        return false;
    int at = lines.size();
    for (int row = 0; row < lines.size(); ++row) {
        // A record whose date cannot be read keeps its place and is passed over.
        if (instantOf(lines.bytes(row)) >= instant) {
            at = row;
            break;
        }
    }
    const QByteArray inserted = encodeCp1252(line);
    LineWriter out(lines.rewrittenSize() + inserted.size() + 2);
    out.addRows(lines, 0, at);
    out.add(inserted);
    out.addRows(lines, at, lines.size());
    return rewriteFile(m_path, scratch("Temporaire6.txt"), out.data());
}

std::optional<QString> StationLog::findReference(const QString& reference) const {
    const QByteArray wanted = encodeCp1252(reference);
    std::optional<QString> date;
    scanLines(m_path, [&](QByteArrayView line) {
        if (byteColumn(line, LogColumns::kReference, 5) != wanted)
            return false;
        date = decodeCp1252(byteColumn(line, LogColumns::kDate, 8));
        return true;
    });
    return date;
}

bool StationLog::findProvincePrefix(const QString& prefix) const {
    const QByteArray wanted = encodeCp1252(prefix);
    bool found = false;
    scanLines(m_path, [&](QByteArrayView line) {
        found = byteColumn(line, LogColumns::kReference, 2) == wanted;
        return found;
    });
    return found;
}

QString StationLog::writeFailureMessage() const {
    return "Impossible d'enregistrer le fichier " + fileName() + ", il n'a pas été modifié.";
}

QString StationLog::readFailureMessage() const {
    return "Impossible de lire le fichier " + fileName();
}
