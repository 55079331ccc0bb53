#pragma once
#include <QDate>
#include <QString>
#include <QStringList>

// The lists of castle QSOs of the DCI award (all Italy) and of the DCLO award (Lombardy), and
// the files and pages made from them. Every function works on the lines of the station log or
// on the lines of a list as shown.
namespace awards {

enum class Shown { Contacted, Confirmed };

// A QSO of the DCI list: reference, castle name, date, callsign, band, mode and QSL marker in
// their blank-filled columns, 110 characters.
QString dciListLine(const QString& logLine);
// A QSO of the DCLO list: as the DCI line without band and mode, 95 characters.
QString dcloListLine(const QString& logLine);

// The order of the sorted lists: the whole line, case ignored; equal lines keep their order.
void sortListLines(QStringList& lines);

struct ListView {
    QStringList lines; // in list order
    int count = 0;     // QSO lines, shown in Nb_C
};
// Every QSO of the log, or only the confirmed ones, sorted.
ListView dciList(const QStringList& logLines, Shown shown);
// The Lombard QSOs, sorted, behind one empty line that sorts first.
ListView dcloList(const QStringList& logLines, Shown shown);

inline const QString kDciHeader =
    QStringLiteral("    REF                  nom du chateau                                        "
                   "                          Date      Indicatif            Bande  Mode QSL");
inline const QString kDcloHeader =
    QStringLiteral("    REF                  nom du chateau                                        "
                   "                          Date      Indicatif         QSL");
// The caption of the DCI list window, which names the mode shown.
QString dciCaption(Shown shown);

// "05_12_26" for 5 December 2026.
QString dateStamp(const QDate& date);
// "05/12/2026".
QString fullDate(const QDate& date);

enum class Award { Dci, Dclo };

struct ListFile {
    QString fileName; // in the program directory
    QStringList lines;
};
// The saved list: title, header, the numbered QSO lines and the footer.
ListFile savedList(Award award, const QString& station, Shown shown, const QDate& date,
                   const QStringList& listLines);
// The printed list: the DCI lines stop after the callsign, the DCLO lines are whole.
QStringList printedList(Award award, const QString& station, Shown shown, const QDate& date,
                        const QStringList& listLines);

inline const QString kListFooter = QStringLiteral("Liste établie par ZELK_DCI");
QString savedMessage(const QString& fileName);

} // namespace awards
