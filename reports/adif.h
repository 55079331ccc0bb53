#pragma once
#include <QString>
#include <QStringList>

// The ADIF band of a band label of the band list; empty for any other text.
QString adifBand(const QString& bandLabel);

// The ADIF date yyyymmdd of a "JJ/MM/AA" date, the year widened as the log orders it; empty
// stays empty.
QString adifDate(const QString& date);

// The record line of one log line, without its line end: eleven fields and " <eor>". Missing
// columns give empty values.
QString ADIF_SP(const QString& logLine);

// "<callsign>_DCI.adi".
QString adifFileName(const QString& callsign);

// The whole export: the six header lines, then one record line per log line.
QStringList adifLines(const QString& callsign, const QStringList& logLines);
