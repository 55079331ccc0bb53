#include "adif.h"

#include "qsorecord.h"
#include "stationlog.h"

namespace {

QString field(const QString& tagOpener, const QString& value) {
    return tagOpener + QString::number(value.size()) + u'>' + value;
}

QString trimmedColumn(const QString& line, int start, int width) {
    return logField(line, start, width).trimmed();
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
    const QString time = trimmedColumn(line, kTime, 5);
    const bool confirmed = logField(line, kQsl, 1) == u"*";
    const QStringList fields{
        field("<call:", trimmedColumn(line, kCallsign, 12)),
        field("<name:", trimmedColumn(line, kFirstName, 15)),
        field("<band:", adifBand(trimmedColumn(line, kBand, 7))),
        field("<mode:", trimmedColumn(line, kMode, 3)),
        field("<qso_date:", adifDate(trimmedColumn(line, kDate, 8))),
        field("<time_on:", time.left(2) + time.right(2)),
        field("<rst_rcvd:", trimmedColumn(line, kRstReceived, 3)),
        field("<rst_sent:", trimmedColumn(line, kRstSent, 3)),
        field("<qth:", trimmedColumn(line, kReference, 5)),
        field("<comment:", trimmedColumn(line, kCastleName, 60)),
        field("<QSL_RCVD:", confirmed ? QStringLiteral("Y") : QStringLiteral("N")),
    };
    return fields.join(u' ') + " <eor>";
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
