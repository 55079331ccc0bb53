#pragma once
#include <QDate>
#include <QString>
#include <QStringList>

#include "bytekeys.h"

#include <vector>

// The lists of castle QSOs of the DCI award (all Italy) and of the DCLO award (Lombardy), and
// the files and pages made from them. Every function works on the lines of the station log or
// on the lines of a list as shown.
namespace awards {

enum class Shown { Contacted, Confirmed };

enum class Award { Dci, Dclo };

struct ListView {
    QStringList lines; // in list order
    int count = 0;     // QSO lines, shown in Nb_C
};
// The DCI list (every QSO, or only the confirmed ones) or the DCLO list (the Lombard QSOs,
// behind one empty line that sorts first), built from the bytes of the log lines: a QSO's line
// holds reference, castle name, date, callsign, band and mode (DCI only) and QSL marker in their
// blank-filled columns. The order is the whole line, case ignored, equal lines in log order;
// it is worked out on the bytes, and only the lines of the list are decoded, once sorted.
class CastleListBuilder {
public:
    CastleListBuilder(Award award, Shown shown);
    void add(QByteArrayView logLine);
    ListView view() const;

private:
    Award m_award;
    Shown m_shown;
    int m_tailWidth;
    // Lines sharing reference and castle name make a group, sorted once: the groups by the
    // reference, their bytes one after the other, and the group and the other fields by line.
    bytekeys::KeyIndex m_references;
    std::vector<int> m_firstOfReference, m_nextOfGroup;
    std::vector<char> m_groups;
    std::vector<int> m_groupOf;
    std::vector<char> m_tails;
};

inline const QString kDciHeader =
    QStringLiteral("    REF                  nom du chateau                                        "
                   "                          Date      Indicatif            Bande  Mode QSL");
inline const QString kDcloHeader =
    QStringLiteral("    REF                  nom du chateau                                        "
                   "                          Date      Indicatif         QSL");
// Where each word of the headers stands in a list line: reference, castle name (three words),
// date, callsign, band, mode and QSL marker (DCLO: up to the callsign, then the marker).
inline const QList<int> kDciHeaderColumns{1, 8, -1, -1, 70, 80, 94, 103, 109};
inline const QList<int> kDcloHeaderColumns{1, 8, -1, -1, 70, 80, 94};
// The caption of the DCI list window, which names the mode shown.
QString dciCaption(Shown shown);

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
