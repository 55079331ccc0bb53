#include "stationlog.h"

#include "codepage.h"
#include "programdirectory.h"
#include "qsorecord.h"
#include "textfile.h"

#include <QFile>
#include <QFileInfo>

namespace {

// The number formed by two digits at `at`, or -1.
int twoDigits(QStringView s, qsizetype at) {
    const QChar a = s[at], b = s[at + 1];
    if (a < u'0' || a > u'9' || b < u'0' || b > u'9')
        return -1;
    return (a.unicode() - u'0') * 10 + (b.unicode() - u'0');
}

// The bytes of a fixed column, cut short past the end of the line.
QByteArrayView column(QByteArrayView line, qsizetype start, qsizetype width) {
    if (start >= line.size())
        return {};
    return line.sliced(start, qMin(width, line.size() - start));
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
    if (line.size() < LogColumns::kTime + 5)
        return -1;
    const QStringView date = line.mid(LogColumns::kDate, 8);
    const QStringView time = line.mid(LogColumns::kTime, 5);
    if (date[2] != u'/' || date[5] != u'/' || time[2] != u':')
        return -1;
    const int day = twoDigits(date, 0), month = twoDigits(date, 3), yy = twoDigits(date, 6);
    const int hours = twoDigits(time, 0), minutes = twoDigits(time, 3);
    if (day < 0 || month < 0 || yy < 0 || hours < 0 || minutes < 0)
        return -1;
    const qint64 year = widenedYear(yy);
    return (((year * 100 + month) * 100 + day) * 100 + hours) * 100 + minutes;
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
    QStringList lines;
    if (!loadQsoList(lines))
        return false;
    qsizetype at = lineNumber - 1;
    if (at < 0 || at >= lines.size() || lines[at] != oldLine)
        at = lines.indexOf(oldLine);
    if (at >= 0)
        lines[at] = newLine;
    else
        lines.append(newLine);
    return rewrite(lines, "Temporaire.txt");
}

bool StationLog::deleteQso(const QString& line, int lineNumber) const {
    QStringList lines;
    if (!loadQsoList(lines))
        return false;
    const qsizetype at = lineNumber - 1;
    if (at >= 0 && at < lines.size() && lines[at] == line)
        lines.removeAt(at);
    else
        lines.removeAll(line);
    return rewrite(lines, "Temporaire.txt");
}

bool StationLog::insertQsoByDateTime(const QString& line) const {
    const qint64 instant = recordInstant(line);
    if (instant < 0)
        return false;
    QStringList lines;
    if (!loadQsoList(lines))
        return false;
    qsizetype at = lines.size();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        // A record whose date cannot be read keeps its place and is passed over.
        const qint64 other = recordInstant(lines[i]);
        if (other >= instant) {
            at = i;
            break;
        }
    }
    lines.insert(at, line);
    return rewrite(lines, "Temporaire6.txt");
}

std::optional<QString> StationLog::findReference(const QString& reference) const {
    const QByteArray wanted = encodeCp1252(reference);
    std::optional<QString> date;
    scanLines(m_path, [&](QByteArrayView line) {
        if (column(line, LogColumns::kReference, 5) != wanted)
            return false;
        date = decodeCp1252(column(line, LogColumns::kDate, 8));
        return true;
    });
    return date;
}

bool StationLog::findProvincePrefix(const QString& prefix) const {
    const QByteArray wanted = encodeCp1252(prefix);
    bool found = false;
    scanLines(m_path, [&](QByteArrayView line) {
        found = column(line, LogColumns::kReference, 2) == wanted;
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
