#include "stationlog.h"

#include "codepage.h"
#include "filesystem.h"
#include "logbytes.h"
#include "programdirectory.h"
#include "qsorecord.h"
#include "textfile.h"

#include <QFile>
#include <QFileInfo>

#include <unistd.h>

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

const char* centuryOf(int twoDigitYear) {
    return twoDigitYear >= 0 && widenedYear(twoDigitYear) < 2000 ? "19" : "20";
}

QString widenedDate(QStringView date) {
    const QStringView yy = date.size() >= 2 ? date.last(2) : date;
    const int year = yy.size() == 2 ? twoDigits(yy, 0) : -1;
    return date.first(qMin<qsizetype>(6, date.size())).toString() + QLatin1String(centuryOf(year)) +
           yy.toString();
}

qint64 recordInstant(QStringView line) {
    return instantOf(line);
}

qint64 recordInstant(QByteArrayView line) {
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
    const int fd = openRegularFile(m_path);
    if (fd >= 0)
        ::close(fd);
    return fd >= 0;
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
    return appendTextLine(m_path, scratch("Temporaire.txt"), line);
}

bool StationLog::replaceQso(const QString& newLine, const QString& oldLine, int lineNumber) const {
    const std::optional<QByteArray> old = exactCp1252(oldLine);
    // The selected record while it holds the old text, else the first that does, else none.
    const int selected = lineNumber - 1;
    int row = 0, firstHolding = -1;
    bool selectedHolds = false;
    if (!scanLines(m_path, [&](QByteArrayView line) {
            if (old && line == *old) {
                selectedHolds = row == selected;
                if (firstHolding < 0)
                    firstHolding = row;
            }
            ++row;
            return selectedHolds;
        }))
        return false;
    const int at = selectedHolds ? selected : firstHolding;
    const QByteArray replacement = encodeCp1252(newLine);
    FileRewrite out(m_path, scratch("Temporaire.txt"));
    row = 0;
    if (!scanLines(m_path, [&](QByteArrayView line) {
            if (row++ == at)
                out.add(replacement);
            else
                out.add(line);
            return false;
        }))
        return false;
    if (at < 0)
        out.add(replacement);
    return out.commit();
}

bool StationLog::deleteQso(const QString& line, int lineNumber) const {
    const std::optional<QByteArray> gone = exactCp1252(line);
    const auto holdsGone = [&gone](QByteArrayView bytes) { return gone && bytes == *gone; };
    // The selected record alone; when it no longer holds the text, every record that does.
    const int selected = lineNumber - 1;
    int row = 0;
    bool selectedHolds = false;
    if (!scanLines(m_path, [&](QByteArrayView bytes) {
            selectedHolds = row++ == selected && holdsGone(bytes);
            return row > selected;
        }))
        return false;
    FileRewrite out(m_path, scratch("Temporaire.txt"));
    row = 0;
    if (!scanLines(m_path, [&](QByteArrayView bytes) {
            const bool dropped = selectedHolds ? row == selected : holdsGone(bytes);
            ++row;
            if (!dropped)
                out.add(bytes);
            return false;
        }))
        return false;
    return out.commit();
}

bool StationLog::insertQsoByDateTime(const QString& line) const {
    const qint64 instant = recordInstant(line);
    if (instant < 0)
        return false;
    const QByteArray inserted = encodeCp1252(line);
    FileRewrite out(m_path, scratch("Temporaire6.txt"));
    bool placed = false;
    if (!scanLines(m_path, [&](QByteArrayView bytes) {
            // A record whose date cannot be read keeps its place and is passed over.
            if (!placed && instantOf(bytes) >= instant) {
                out.add(inserted);
                placed = true;
            }
            out.add(bytes);
            return false;
        }))
        return false;
    if (!placed)
        out.add(inserted);
    return out.commit();
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
