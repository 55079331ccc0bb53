#include "adif.h"

#include "qsorecord.h"
#include "stationlog.h"

#include <charconv>

namespace {

QStringView trimmedColumn(const QString& line, int start, int width) {
    return QStringView(line).mid(start, width).trimmed();
}

} // namespace

QString adifBand(const QString& bandLabel) {
    static const QList<std::pair<QString, QString>> bands{
        {"1.8 Mhz", "160m"}, {"3.5 Mhz", "80m"}, {"7.0 Mhz", "40m"}, {"10 Mhz", "30m"},
        {"14 Mhz", "20m"},   {"18 Mhz", "17m"},  {"21 Mhz", "15m"},  {"24 Mhz", "12m"},
        {"28 Mhz", "10m"},   {"50 Mhz", "6m"},   {"144 Mhz", "2m"},  {"432 Mhz", "70cm"}};
    for (const auto& [label, band] : bands)
        if (label == bandLabel)
            return band;
    return {};
}

QString adifDate(const QString& date) {
    if (date.isEmpty())
        return {};
    // A damaged year keeps the century the log had always been written with.
    return widenedDate(date).mid(6) + date.mid(3, 2) + date.left(2);
}

QString ADIF_SP(const QString& line) {
    using namespace LogColumns;
    const QStringView time = trimmedColumn(line, kTime, 5);
    const bool confirmed = logField(line, kQsl, 1) == u"*";
    const QString band = adifBand(trimmedColumn(line, kBand, 7).toString());
    const QString date = adifDate(trimmedColumn(line, kDate, 8).toString());
    const QString timeOn = time.left(2).toString() + time.right(2).toString();
    const std::pair<const char*, QStringView> fields[] = {
        {"<call:", trimmedColumn(line, kCallsign, 12)},
        {"<name:", trimmedColumn(line, kFirstName, 15)},
        {"<band:", band},
        {"<mode:", trimmedColumn(line, kMode, 3)},
        {"<qso_date:", date},
        {"<time_on:", timeOn},
        {"<rst_rcvd:", trimmedColumn(line, kRstReceived, 3)},
        {"<rst_sent:", trimmedColumn(line, kRstSent, 3)},
        {"<qth:", trimmedColumn(line, kReference, 5)},
        {"<comment:", trimmedColumn(line, kCastleName, 60)},
        {"<QSL_RCVD:", confirmed ? u"Y" : u"N"},
    };
    // One string per record, built in place: an export writes a record per QSO.
    QString out;
    out.reserve(260);
    for (const auto& [tag, value] : fields) {
        char length[8];
        const auto end = std::to_chars(length, length + sizeof length, value.size()).ptr;
        out += QLatin1StringView(tag);
        out += QLatin1StringView(length, end - length);
        out += u'>';
        out += value;
        out += u' ';
    }
    out += QLatin1StringView("<eor>");
    return out;
}

QString adifFileName(const QString& callsign) {
    return callsign + "_DCI.adi";
}

QStringList adifLines(const QString& callsign, const QStringList& logLines) {
    QStringList out{"Exportation du log de la station " + callsign + " au format ADIF",
                    "",
                    "ZELK_DCI",
                    "",
                    "",
                    "<eoh>"};
    out.reserve(out.size() + logLines.size());
    for (const QString& line : logLines)
        out.append(ADIF_SP(line));
    return out;
}
