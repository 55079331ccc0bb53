#include "qsorecord.h"

namespace {

struct Slice {
    int logStart;
    int listStart; // 0-based, in a list line whose number takes 5 columns
    int width;
};

// The 13 fields in log order with their list columns.
constexpr Slice kSlices[] = {
    {0, 7, 12},  {13, 21, 4}, {18, 26, 15}, {34, 42, 5},  {40, 49, 8},   {49, 59, 5},   {55, 66, 3},
    {59, 71, 7}, {67, 80, 3}, {71, 85, 3},  {75, 89, 60}, {136, 151, 1}, {138, 153, 4},
};

void appendPadded(QString& out, const QString& value, int width) {
    out += value.left(width);
    if (value.size() < width)
        out += QString(width - value.size(), u' ');
}

// How far the fields of a list line stand right of where a 5-column number puts them.
int listShift(const QString& listLine) {
    int i = 0;
    while (i < listLine.size() && listLine[i] == u' ')
        ++i;
    while (i < listLine.size() && listLine[i].isDigit())
        ++i;
    return i > 5 ? i - 5 : 0;
}

} // namespace

QString BuildLogLine(const QsoRecord& r) {
    QString out;
    out.reserve(LogColumns::kLineLength);
    const auto field = [&out](const QString& value, int width) {
        appendPadded(out, value, width);
        out += u' ';
    };
    field(r.callsign, 12);
    field(r.district, 4);
    field(r.firstName, 15);
    field(r.reference, 5);
    // Dates and times checked on Enter are exactly 8 and 5 long; padding keeps the columns
    // of one saved without that check.
    field(r.date, 8);
    field(r.time, 5);
    field(r.mode, 3);
    field(r.band, 7);
    field(r.rstReceived, 3);
    field(r.rstSent, 3);
    field(r.castleName, 60);
    out += r.qslReceived ? QStringLiteral("* ") : QStringLiteral("  ");
    appendPadded(out, r.locator, 4);
    return out;
}

int listNumberWidth(int lineCount) {
    return qMax(5, static_cast<int>(QString::number(lineCount).size()));
}

QString ListLine(int number, const QString& L, int numberWidth) {
    QString out;
    out.reserve(157 + numberWidth - 5);
    out += QString::number(number).rightJustified(numberWidth, u' ');
    // Separators between consecutive fields of the list line.
    static constexpr int kGaps[] = {2, 2, 1, 1, 2, 2, 2, 2, 2, 2, 1, 2, 1};
    int i = 0;
    // Appended in place: the list builds a line per QSO shown.
    for (const Slice& s : kSlices) {
        out.append(QStringView(u"  ").left(kGaps[i++]));
        out.append(QStringView(L).mid(s.logStart, s.width));
    }
    return out;
}

QsoRecord RecordFromListLine(const QString& listLine) {
    const int shift = listShift(listLine);
    const auto at = [&](int start, int width) { return listLine.mid(start - 1 + shift, width); };
    QsoRecord r;
    r.callsign = at(8, 12).trimmed();
    r.firstName = at(27, 15).trimmed();
    r.reference = at(43, 5).trimmed();
    r.district = at(22, 4).trimmed();
    r.locator = at(154, 4).trimmed();
    r.date = at(50, 8);
    r.time = at(60, 5);
    r.mode = at(67, 3).trimmed();
    r.band = at(72, 7).trimmed();
    r.rstReceived = at(81, 3).trimmed();
    r.rstSent = at(86, 3).trimmed();
    r.castleName = at(90, 60).trimmed();
    r.qslReceived = at(152, 1) == QStringLiteral("*");
    return r;
}
