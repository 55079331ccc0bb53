#pragma once
#include <QList>
#include <QString>
#include <QStringList>

class LineTable;

// The three ways of searching, the indexes of the option buttons.
enum class SearchBy { Callsign = 1, Date = 2, Reference = 3 };

// Heading of the result lines.
QString searchHeading();
// Where each word of the heading stands in a result line: number, callsign, date, reference (two
// words) and castle name (three); then the QSL marker, which Label10 names. -1: after the
// previous word and a blank.
inline const QList<int> kSearchHeadingColumns{0, 7, 22, 32, -1, 39, -1, -1};
inline constexpr int kSearchQslColumn = 101;

// The letters a to z in capitals, everything else unchanged.
QString capitalsAToZ(const QString& text);

// The text without a leading CR LF.
QString withoutLeadingLineBreak(const QString& text);

// The refusal of a field checked on Enter, or empty when the search may run.
QString checkSearchField(SearchBy field, const QString& text);

// A result line: number and callsign, date, reference and castle name up to the QSL marker,
// copied as they stand from a list line of a list of `lineCount` lines.
QString searchResultLine(const QString& listLine, int lineCount);

struct SearchOutcome {
    QStringList results;
    // The message to show, if any.
    QString message;
    // The search stopped on an empty field: the results are empty and the fields stay.
    bool stopped = false;
};

// `Lance_Recherche` over the QSO list of these log lines with the text of the selected
// option's field.
SearchOutcome searchQsos(const LineTable& logLines, SearchBy by, const QString& fieldText);

// The row of the QSO list whose result line begins as the chosen one does; -1 when none.
int resultRow(const LineTable& logLines, const QString& chosen);

// The rows of the QSOs not yet confirmed whose callsign contains the text in capitals.
QList<int> unconfirmedRows(const LineTable& logLines, const QString& callsignPart);

// The QSO number at the front of a list line of a list of `lineCount` lines; 0 when unreadable.
int qsoNumber(const QString& listLine, int lineCount);

// The log line with the QSL marker set in column 137.
QByteArray qslMarked(QByteArrayView logLine);
