#include "adif.h"

#include "codepage.h"
#include "logbytes.h"
#include "provincetable.h"
#include "qsorecord.h"
#include "stationlog.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace {

// The labels are ASCII, so the bytes of a label match only the label itself. Their first two
// characters and their length tell them apart, so a band is looked up without a comparison of
// every label.
QByteArrayView bandOf(QByteArrayView label) {
    if (label.size() < 6 || label.size() > 7)
        return {};
    for (const BandInfo& b : kBandTable)
        if (b.label[0] == label[0] && b.label[1] == label[1] && b.label.size() == label.size() &&
            std::memcmp(b.label.data(), label.data(), label.size()) == 0)
            return b.adif;
    return {};
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

QByteArrayView trimmedColumn(QByteArrayView line, int start, int width) {
    return trimmedBytes(byteColumn(line, start, width));
}

// Writes a record at a position known to have room for it.
struct Cursor {
    char* p;
    void put(QByteArrayView bytes) {
        // An empty view may have no data at all, which memcpy must not be given.
        if (bytes.isEmpty())
            return;
        std::memcpy(p, bytes.data(), bytes.size());
        p += bytes.size();
    }
    void put(char c) { *p++ = c; }
    void field(QByteArrayView tag, QByteArrayView value) {
        put(tag);
        p = std::to_chars(p, p + 20, value.size()).ptr;
        put('>');
        put(value);
        put(' ');
    }
};

// Eleven tags of at most 10 bytes, each with a length of at most 2 digits, '>' and a blank; the
// values are at most 118 bytes (the date 8, the band 4); then "<eor>".
constexpr qsizetype kMaxRecord = 11 * (10 + 4) + 118 + 5;

// The ADIF date of the trimmed date bytes, written into `out`, which has room for 8.
QByteArrayView dateOf(QByteArrayView date, char* out, QByteArray& damaged) {
    if (date.size() != 8) {
        // Damaged dates are rare: the text rule decides.
        damaged = encodeCp1252(adifDate(decodeCp1252(date)));
        return damaged;
    }
    const char* century = centuryOf(
        isDigit(date[6]) && isDigit(date[7]) ? (date[6] - '0') * 10 + (date[7] - '0') : -1);
    const char adif[] = {century[0], century[1], date[6], date[7],
                         date[3],    date[4],    date[0], date[1]};
    std::copy(adif, adif + 8, out);
    return QByteArrayView(out, 8);
}

} // namespace

QString adifBand(const QString& bandLabel) {
    const std::optional<QByteArray> label = exactCp1252(bandLabel);
    return label ? QString::fromLatin1(bandOf(*label)) : QString();
}

QString adifDate(const QString& date) {
    if (date.isEmpty())
        return {};
    // A damaged year keeps the century the log had always been written with.
    return widenedDate(date).mid(6) + date.mid(3, 2) + date.left(2);
}

void appendAdifRecord(QByteArray& out, QByteArrayView line) {
    using namespace LogColumns;
    const qsizetype start = out.size();
    out.resize(start + kMaxRecord);
    Cursor c{out.data() + start};
    c.field("<call:", trimmedColumn(line, kCallsign, 12));
    c.field("<name:", trimmedColumn(line, kFirstName, 15));
    c.field("<band:", bandOf(trimmedColumn(line, kBand, 7)));
    c.field("<mode:", trimmedColumn(line, kMode, 3));
    char date[8];
    QByteArray damagedDate;
    c.field("<qso_date:", dateOf(trimmedColumn(line, kDate, 8), date, damagedDate));
    const QByteArrayView time = trimmedColumn(line, kTime, 5);
    const qsizetype half = qMin<qsizetype>(2, time.size());
    c.put("<time_on:");
    c.put(char('0' + 2 * half));
    c.put('>');
    c.put(time.first(half));
    c.put(time.last(half));
    c.put(' ');
    c.field("<rst_rcvd:", trimmedColumn(line, kRstReceived, 3));
    c.field("<rst_sent:", trimmedColumn(line, kRstSent, 3));
    c.field("<qth:", trimmedColumn(line, kReference, 5));
    c.field("<comment:", trimmedColumn(line, kCastleName, 60));
    c.field("<QSL_RCVD:", isConfirmedLine(line) ? "Y" : "N");
    c.put("<eor>");
    out.resize(c.p - out.constData());
}

QString adifFileName(const QString& callsign) {
    return callsign + "_DCI.adi";
}

QByteArray adifHeader(const QString& callsign) {
    return encodeCp1252("Exportation du log de la station " + callsign + " au format ADIF") +
           "\r\n\r\nZELK_DCI\r\n\r\n\r\n<eoh>\r\n";
}
