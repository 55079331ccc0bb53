#include "qsosearch.h"

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

SearchOutcome searchQsos(const QStringList& listLines, SearchBy by, const QString& fieldText) {
    SearchOutcome outcome;
    const int lineCount = int(listLines.size());
    const int shift = shiftOf(lineCount);
    const QString wanted = withoutLeadingLineBreak(fieldText).toUpper();
    for (const QString& line : listLines) {
        if (wanted.isEmpty()) {
            outcome.stopped = true;
            outcome.message = by == SearchBy::Callsign ? QStringLiteral("Entrez un indicatif")
                              : by == SearchBy::Date   ? QStringLiteral("Entrez une date")
                                                       : QStringLiteral("Entrez un departement");
            return outcome;
        }
        bool hit = false;
        if (by == SearchBy::Callsign)
            hit = listCallsign(line, shift).contains(wanted);
        else if (by == SearchBy::Date)
            hit = listColumns(line, shift, 50, 8).trimmed() == wanted;
        else
            hit = listColumns(line, shift, 43, 5) == wanted;
        if (hit)
            outcome.results.append(searchResultLine(line, lineCount));
    }
    if (outcome.results.isEmpty())
        outcome.message = QString::fromUtf8("Pas de QSO trouvé");
    return outcome;
}

int resultRow(const QStringList& listLines, const QString& chosen) {
    const QString wanted = chosen.left(kComparedLength);
    const int lineCount = int(listLines.size());
    for (int row = 0; row < lineCount; ++row)
        if (searchResultLine(listLines[row], lineCount).left(kComparedLength) == wanted)
            return row;
    return -1;
}

QStringList unconfirmedQsos(const QStringList& listLines, const QString& callsignPart) {
    const int shift = shiftOf(int(listLines.size()));
    const QString wanted = callsignPart.toUpper();
    QStringList out;
    for (const QString& line : listLines)
        if (listCallsign(line, shift).contains(wanted) &&
            listColumns(line, shift, 152, 1).trimmed() != u"*")
            out.append(line);
    return out;
}

int qsoNumber(const QString& listLine, int lineCount) {
    return listLine.left(listNumberWidth(lineCount)).trimmed().toInt();
}

QStringList markQslReceived(QStringList logLines, const QList<int>& numbers) {
    for (const int n : numbers) {
        if (n < 1 || n > logLines.size())
            continue;
        QString& line = logLines[n - 1];
        line = line.left(LogColumns::kQsl) + u'*' + line.mid(LogColumns::kQsl + 1, 5);
    }
    return logLines;
}
