#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The ADIF band of a band label of the band list; empty for any other text.
QString adifBand(const QString& bandLabel);

// The ADIF date yyyymmdd of a "JJ/MM/AA" date, the year widened as the log orders it; empty
// stays empty.
QString adifDate(const QString& date);

// "<callsign>_DCI.adi".
QString adifFileName(const QString& callsign);

// The export in the bytes of the file, each line ended by CR LF: the six header lines, then the
// record of the bytes of one log line, without its line end: eleven fields and " <eor>".
// Missing columns give empty values; the bytes of a value are written as they stand in the log.
QByteArray adifHeader(const QString& callsign);
void appendAdifRecord(QByteArray& out, QByteArrayView logLine);
