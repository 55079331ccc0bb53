#pragma once
#include <QByteArrayView>
#include <QString>

// One logged contact; all fields are text, at most the width of their log column.
struct QsoRecord {
    QString callsign;
    QString district;
    QString firstName;
    QString reference;
    QString date; // "JJ/MM/AA"
    QString time; // "HH:MM" UTC
    QString mode;
    QString band;
    QString rstReceived;
    QString rstSent;
    QString castleName;
    bool qslReceived = false;
    QString locator;
};

// Log line columns (0-based start, width).
namespace LogColumns {
inline constexpr int kCallsign = 0, kDistrict = 13, kFirstName = 18, kReference = 34, kDate = 40,
                     kTime = 49, kMode = 55, kBand = 59, kRstReceived = 67, kRstSent = 71,
                     kCastleName = 75, kQsl = 136, kLocator = 138;
inline constexpr int kLineLength = 142;
} // namespace LogColumns

// Whether the log line carries the QSL-received marker "*" in its column.
inline bool isConfirmedLine(QByteArrayView logLine) {
    return logLine.size() > LogColumns::kQsl && logLine[LogColumns::kQsl] == '*';
}

// The 142-character file line of a record; a field longer than its column is cut.
QString BuildLogLine(const QsoRecord& record);

// The list line shown in the QSO list for file line number `number` (from 1). The number is
// right-aligned in `numberWidth` columns (at least 5), so that every row of one list lines up.
QString ListLine(int number, const QString& logLine, int numberWidth = 5);
int listNumberWidth(int lineCount);

// The fields of a list line, each trimmed, but the date and time taken as they are.
QsoRecord RecordFromListLine(const QString& listLine);

// Fixed slice of a log line, cut short (never padded) past its end.
inline QString logField(const QString& line, int start, int width) {
    return line.mid(start, width);
}
