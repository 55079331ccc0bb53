#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <QStringList>

// The last line of the saved and printed reports.
inline const QString kReportFooter = QStringLiteral("Edité par ZELK_DCI");

// "Chateaux_Contacte_<callsign>_<stamp>.txt".
QString contactedCastlesFileName(const QString& callsign, const QDate& date);

// The saved report in the bytes of the file, each line ended by CR LF: title and headings above
// the QSOs, the line of the bytes of log line number `number` (numbered, whole), footer below.
QByteArray savedCastlesHead(const QString& callsign, const QDate& date);
void appendSavedCastleLine(QByteArray& out, int number, QByteArrayView logLine);
QByteArray savedCastlesFoot();

// The printed report: title, headings, one 104-column line per log line, footer.
QStringList printedContactedCastles(const QString& callsign, const QDate& date,
                                    const QStringList& logLines);
// One printed line of log line number `number`.
QString printedCastleLine(int number, const QString& logLine);
