#pragma once
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

// The station log: one file per station callsign, one 142-column record per line. Every change
// is written at once; the file is the only copy of the log.
class StationLog {
public:
    explicit StationLog(const QString& callsign);

    static QString fileNameFor(const QString& callsign); // callsign + "_DCI.log"
    QString path() const { return m_path; }
    QString fileName() const;
    bool exists() const;
    bool readable() const;

    // Copies the empty template "FXXXX.txt" over the log.
    bool createStationLog() const;
    // Every line of the file; false when the log cannot be read.
    bool loadQsoList(QStringList& lines) const;

    // The changes below return false, with the log left as it was, when a file cannot be read
    // or written. `lineNumber` (from 1, 0 = unknown) says which record was selected; when the
    // line there no longer holds the expected text, the text alone finds it.
    bool appendQso(const QString& line) const;
    bool replaceQso(const QString& newLine, const QString& oldLine, int lineNumber = 0) const;
    bool deleteQso(const QString& line, int lineNumber = 0) const;
    bool insertQsoByDateTime(const QString& line) const;

    // Date (columns 41-48) of the first record with this reference, exactly.
    std::optional<QString> findReference(const QString& reference) const;
    // True when a record's reference begins with these two characters, exactly.
    bool findProvincePrefix(const QString& prefix) const;

    // Message for a change that could not be made.
    QString writeFailureMessage() const;
    QString readFailureMessage() const;

private:
    QString scratch(const QString& name) const;
    bool rewrite(const QStringList& lines, const QString& scratchName) const;

    QString m_path;
};

// A two-digit year widened as the date-ordered insert reads it: 50-99 to 19xx, 00-49 to 20xx.
int widenedYear(int twoDigitYear);
// The century written before a two-digit year, "19" or "20"; -1, a year that is not two
// digits, keeps "20".
const char* centuryOf(int twoDigitYear);
// "JJ/MM/AA" written "JJ/MM/AAAA" with the widened year; a year that is not two digits keeps
// "20" in front.
QString widenedDate(QStringView date);

// Instant of a record for the date-ordered insert: date columns 41-48 (two-digit year widened,
// 50-99 to 19xx and 00-49 to 20xx) and time columns 50-54, as the number yyyyMMddhhmm; -1 when
// the date or time cannot be read.
qint64 recordInstant(QStringView logLine);
qint64 recordInstant(QByteArrayView logLine);
