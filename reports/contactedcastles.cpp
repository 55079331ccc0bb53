#include "contactedcastles.h"

#include "clock.h"
#include "logbytes.h"
#include "qsorecord.h"
#include "textfile.h"

namespace {

QString number(int n) {
    return QString::number(n).rightJustified(5, u' ');
}

// A slice of the log line, blank-filled to its width so a damaged line keeps the columns.
QString slice(const QString& line, int start, int width) {
    return logField(line, start, width).leftJustified(width, u' ');
}

} // namespace

QString contactedCastlesFileName(const QString& callsign, const QDate& date) {
    return "Chateaux_Contacte_" + callsign + "_" + dateStamp(date) + ".txt";
}

namespace {

QStringList savedHead(const QString& callsign, const QDate& date) {
    return {QString(20, u' ') + callsign + QString::fromUtf8(" Chateaux contactés au ") +
                fullDate(date),
            "",
            QString::fromUtf8(
                "   N° Indicatif            Prenom        Ref    Date    QTR  Mode  QRG  "
                "RSTR RSTE       Mom du Chateau                                       QSL"),
            ""};
}

const QStringList kSavedFoot{"", kReportFooter};

} // namespace

QByteArray savedCastlesHead(const QString& callsign, const QDate& date) {
    return encodeLines(savedHead(callsign, date));
}

void appendSavedCastleLine(QByteArray& out, int n, QByteArrayView line) {
    appendNumber(out, n, 5);
    out.append(' ');
    out.append(line);
    out.append("\r\n");
}

QByteArray savedCastlesFoot() {
    return encodeLines(kSavedFoot);
}

QString printedCastleLine(int n, const QString& line) {
    using namespace LogColumns;
    return number(n) + u' ' + slice(line, kCallsign, 10) + u' ' + slice(line, kFirstName, 10) +
           u' ' + slice(line, kReference, 14) + u' ' + slice(line, kCastleName, 58) + u' ' +
           slice(line, kQsl, 1) + u' ';
}

QStringList printedContactedCastles(const QString& callsign, const QDate& date,
                                    const QStringList& logLines) {
    QStringList out{
        QString(31, u' ') + callsign + QString::fromUtf8("  Chateaux contactés au ") +
            fullDate(date),
        "",
        QString::fromUtf8("   N° Indicatif  Prenom      Ref    Date         Mom du Chateau        "
                          "                              QSL"),
        ""};
    int n = 1;
    for (const QString& line : logLines)
        out.append(printedCastleLine(n++, line));
    out << ""
        << "" << kReportFooter;
    return out;
}
