#include "qsosearch.h"

#include "codepage.h"
#include "linetable.h"
#include "qsorecord.h"

namespace {

// A list line holds its number right-aligned in as many columns as the largest number needs,
// never fewer than five; the other columns move along with it.
int shiftOf(int lineCount) {
    return listNumberWidth(lineCount) - 5;
}

// Columns of a list line, 1-based as in the five-column layout.
QString listColumns(const QString& listLine, int shift, int first, int width) {
    return listLine.mid(first - 1 + shift, width);
}

QString listCallsign(const QString& listLine, int shift) {
    return listColumns(listLine, shift, 8, 12).trimmed();
}

// Only the part of the result line that the choice compares.
constexpr int kComparedLength = 137;

// The rows of a log as the QSO list shows them. A line that has every column puts each field
// at the same place in its list line as in its bytes, so a compared field is decoded alone;
// a shorter line shifts the list's columns and is compared on its whole list line.
class ListedLog {
public:
    explicit ListedLog(const LineTable& log)
        : m_log(log), m_width(listNumberWidth(log.size())), m_shift(m_width - 5) {}

    int size() const { return m_log.size(); }
    int shift() const { return m_shift; }
    bool hasEveryColumn(int row) const {
        return m_log.bytes(row).size() >= LogColumns::kLineLength;
    }
    QByteArrayView bytes(int row) const { return m_log.bytes(row); }
    // A field of a line that has every column, decoded into a buffer kept from row to row.
    QStringView field(int row, int logStart, int width) {
        decodeCp1252Into(m_log.bytes(row).sliced(logStart, width), m_field);
        return m_field;
    }
    QString listLine(int row) const { return ListLine(row + 1, m_log.shownLine(row), m_width); }

private:
    const LineTable& m_log;
    const int m_width;
    const int m_shift;
    QString m_field;
};

// The callsign columns of a row hold the text.
bool callsignHolds(ListedLog& log, int row, const QString& wanted) {
    if (log.hasEveryColumn(row))
        return log.field(row, LogColumns::kCallsign, 12).trimmed().contains(wanted);
    return listCallsign(log.listLine(row), log.shift()).contains(wanted);
}

} // namespace

QString searchHeading() {
    return QString::fromUtf8(
        "      N°   Indicatif                Date    N° DCI                   Nom de l'activité ");
}

QString capitalsAToZ(const QString& text) {
    QString out = text;
    for (QChar& c : out)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
    return out;
}

QString withoutLeadingLineBreak(const QString& text) {
    return text.startsWith(QStringLiteral("\r\n")) ? text.mid(2) : text;
}

QString checkSearchField(SearchBy field, const QString& text) {
    switch (field) {
    case SearchBy::Callsign:
        if (text.size() > 12)
            return QStringLiteral("Attention 12 caracteres maxi pour l'indicatif");
        if (text.isEmpty())
            return QStringLiteral("Entrez un indicatif");
        return {};
    case SearchBy::Date:
        if (text.mid(2, 1) != u"/" || text.mid(5, 1) != u"/")
            return QStringLiteral("Attention le format date doit etre JJ/MM/AA");
        if (text.size() > 8)
            return QStringLiteral("Attention 8 caracteres maxi pour la date (format jj/mm/aa)");
        return {};
    case SearchBy::Reference:
        if (text.size() != 5)
            return QStringLiteral("Attention 5 caracteres pour la reference");
        return {};
    }
    return {};
}

QString searchResultLine(const QString& listLine, int lineCount) {
    const int shift = shiftOf(lineCount);
    return listLine.left(20 + shift) + "  " + listColumns(listLine, shift, 50, 8) + "  " +
           listColumns(listLine, shift, 43, 5) + "  " + listColumns(listLine, shift, 90, 63);
}

SearchOutcome searchQsos(const LineTable& logLines, SearchBy by, const QString& fieldText) {
    SearchOutcome outcome;
    ListedLog log(logLines);
    const QString wanted = withoutLeadingLineBreak(fieldText).toUpper();
    if (wanted.isEmpty() && log.size() > 0) {
        outcome.stopped = true;
        outcome.message = by == SearchBy::Callsign ? QStringLiteral("Entrez un indicatif")
                          : by == SearchBy::Date   ? QStringLiteral("Entrez une date")
                                                   : QStringLiteral("Entrez un departement");
        return outcome;
    }
    for (int row = 0; row < log.size(); ++row) {
        bool hit = false;
        if (by == SearchBy::Callsign) {
            hit = callsignHolds(log, row, wanted);
        } else if (log.hasEveryColumn(row)) {
            hit = by == SearchBy::Date ? log.field(row, LogColumns::kDate, 8).trimmed() == wanted
                                       : log.field(row, LogColumns::kReference, 5) == wanted;
        } else {
            const QString line = log.listLine(row);
            hit = by == SearchBy::Date ? listColumns(line, log.shift(), 50, 8).trimmed() == wanted
                                       : listColumns(line, log.shift(), 43, 5) == wanted;
        }
        if (hit)
            outcome.results.append(searchResultLine(log.listLine(row), log.size()));
    }
    if (outcome.results.isEmpty())
        outcome.message = QString::fromUtf8("Pas de QSO trouvé");
    return outcome;
}

int resultRow(const LineTable& logLines, const QString& chosen) {
    // A result line begins with its QSO's number, so only that row can match.
    const int lineCount = logLines.size();
    const int row = chosen.left(listNumberWidth(lineCount)).trimmed().toInt() - 1;
    if (row < 0 || row >= lineCount)
        return -1;
    const ListedLog log(logLines);
    const QString wanted = chosen.left(kComparedLength);
    return searchResultLine(log.listLine(row), lineCount).left(kComparedLength) == wanted ? row
                                                                                          : -1;
}

QList<int> unconfirmedRows(const LineTable& logLines, const QString& callsignPart) {
    ListedLog log(logLines);
    const QString wanted = callsignPart.toUpper();
    QList<int> out;
    for (int row = 0; row < log.size(); ++row) {
        if (!callsignHolds(log, row, wanted))
            continue;
        const bool confirmed =
            log.hasEveryColumn(row)
                ? isConfirmedLine(log.bytes(row))
                : listColumns(log.listLine(row), log.shift(), 152, 1).trimmed() == u"*";
        if (!confirmed)
            out.append(row);
    }
    return out;
}

int qsoNumber(const QString& listLine, int lineCount) {
    return listLine.left(listNumberWidth(lineCount)).trimmed().toInt();
}

QByteArray qslMarked(QByteArrayView line) {
    // The marker, then the blank and the locator; whatever follows them is dropped.
    QByteArray out = line.first(qMin<qsizetype>(LogColumns::kQsl, line.size())).toByteArray();
    out.append('*');
    if (line.size() > LogColumns::kQsl + 1)
        out.append(line.sliced(LogColumns::kQsl + 1,
                               qMin<qsizetype>(5, line.size() - LogColumns::kQsl - 1)));
    return out;
}
