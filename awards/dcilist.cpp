#include "dcilist.h"

#include "castlecount.h"
#include "qsorecord.h"
#include "textfile.h"

namespace awards {

namespace {

// A log field with its blank fill; a short line is filled too, so that columns stay in place.
void appendField(QString& out, QStringView logLine, int start, int width) {
    const qsizetype from = qMin<qsizetype>(start, logLine.size());
    const QStringView value = logLine.sliced(from, qMin<qsizetype>(width, logLine.size() - from));
    out.append(value);
    for (qsizetype i = value.size(); i < width; ++i)
        out.append(u' ');
}

QString field(const QString& logLine, int start, int width) {
    QString out;
    appendField(out, logLine, start, width);
    return out;
}

QString qslMarker(const QString& logLine) {
    return field(logLine, LogColumns::kQsl, 1);
}

bool isConfirmed(const QString& logLine) {
    return qslMarker(logLine) == QStringLiteral("*");
}

// Reference, castle name, date and callsign, each followed by two blanks; built in place, as a
// list has a line per QSO.
QString commonColumns(const QString& logLine, int extra) {
    using namespace LogColumns;
    QString out;
    out.reserve(95 + extra);
    out.append(u' ');
    for (const auto& [start, width] : {std::pair{kReference, 5}, std::pair{kCastleName, 60},
                                       std::pair{kDate, 8}, std::pair{kCallsign, 12}}) {
        appendField(out, logLine, start, width);
        out.append(QLatin1StringView("  "));
    }
    return out;
}

const QString kDciFileHeader =
    QStringLiteral("   N°   Ref        Nom du Chateau                                             "
                   "Date   Indicatif       Bande  Mode  QSL");
const QString kDciPrintHeader =
    QStringLiteral("        N°  Ref          Nom du Chateau                                        "
                   "   Date   Indicatif               Bande  Mode QSL");
const QString kDcloFileHeader =
    QStringLiteral("   N°   Ref        Nom du Chateau                                             "
                   "Date   Indicatif    QSL");
const QString kDcloPrintHeader =
    QStringLiteral("        N°  Ref          Nom du Chateau                                        "
                   "   Date   Indicatif     QSL");

// The DCI printed line ends with the two blanks after the callsign.
constexpr int kDciPrintedWidth = 94;

QString number(int n) {
    return QString::number(n).rightJustified(5, u' ');
}

struct ListTexts {
    QString fileName, fileTitle, fileHeader;
    int fileTitleIndent;
    QString printTitle, printHeader;
    int printTitleIndent;
    int firstItem;    // the DCLO list begins with its empty line
    int printedWidth; // -1: the whole line
};

ListTexts listTexts(Award award, Shown shown) {
    const bool contacted = shown == Shown::Contacted;
    if (award == Award::Dci)
        return {contacted ? QStringLiteral("Chateaux_Italiens_contactes au ")
                          : QStringLiteral("Chateaux_Italiens_confirmes au "),
                contacted ? QStringLiteral(" Chateaux Italiens contactés au ")
                          : QStringLiteral(" Chateaux Italiens confirmés au "),
                kDciFileHeader,
                30,
                contacted ? QStringLiteral(" Liste des Chateaux Italiens contactés au ")
                          : QStringLiteral(" Liste des Chateaux Italiens confirmés au "),
                kDciPrintHeader,
                26,
                0,
                kDciPrintedWidth};
    return {contacted ? QStringLiteral("Chateaux_de _Lombardie_contactes_au ")
                      : QStringLiteral("Chateaux_de _Lombardie_confirmes_au "),
            contacted ? QStringLiteral(" Liste Chateaux de Lombardie contactés au ")
                      : QStringLiteral(" Liste Chateaux de Lombardie confirmés au "),
            kDcloFileHeader,
            14,
            contacted
                ? QStringLiteral(" Liste alphanumerique des Chateaux de Lombardie contactés au ")
                : QStringLiteral(" Liste alphanumerique des Chateaux de Lombardie confirmés au "),
            kDcloPrintHeader,
            14,
            1,
            -1};
}

} // namespace

QString dciListLine(const QString& logLine) {
    using namespace LogColumns;
    QString out = commonColumns(logLine, 15);
    appendField(out, logLine, kBand, 7);
    out.append(QLatin1StringView("  "));
    appendField(out, logLine, kMode, 3);
    out.append(QLatin1StringView("   "));
    appendField(out, logLine, kQsl, 1);
    return out;
}

QString dcloListLine(const QString& logLine) {
    QString out = commonColumns(logLine, 1);
    appendField(out, logLine, LogColumns::kQsl, 1);
    return out;
}

void sortListLines(QStringList& lines) {
    sortIgnoringCase(lines);
}

ListView dciList(const QStringList& logLines, Shown shown) {
    ListView view;
    for (const QString& line : logLines) {
        if (shown == Shown::Confirmed && !isConfirmed(line))
            continue;
        view.lines.append(dciListLine(line));
    }
    view.count = int(view.lines.size());
    sortListLines(view.lines);
    return view;
}

ListView dcloList(const QStringList& logLines, Shown shown) {
    ListView view;
    for (const QString& line : logLines) {
        if (!isDcloProvince(QStringView(line).mid(LogColumns::kReference, 2)))
            continue;
        if (shown == Shown::Confirmed && !isConfirmed(line))
            continue;
        view.lines.append(dcloListLine(line));
    }
    view.count = int(view.lines.size());
    view.lines.append(QString());
    sortListLines(view.lines);
    return view;
}

QString dciCaption(Shown shown) {
    return shown == Shown::Contacted ? QStringLiteral("DCI Contactés")
                                     : QStringLiteral("DCI Confirmés");
}

QString dateStamp(const QDate& date) {
    return date.toString(QStringLiteral("dd_MM_yy"));
}

QString fullDate(const QDate& date) {
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

ListFile savedList(Award award, const QString& station, Shown shown, const QDate& date,
                   const QStringList& listLines) {
    const ListTexts t = listTexts(award, shown);
    ListFile file;
    file.fileName = station + u'_' + t.fileName + dateStamp(date) + QStringLiteral(".txt");
    file.lines << QString(t.fileTitleIndent, u' ') + station + t.fileTitle + fullDate(date)
               << QString() << t.fileHeader << QString();
    for (qsizetype i = t.firstItem; i < listLines.size(); ++i)
        file.lines << number(int(i - t.firstItem + 1)) + u' ' + listLines[i];
    file.lines << QString() << kListFooter;
    return file;
}

QStringList printedList(Award award, const QString& station, Shown shown, const QDate& date,
                        const QStringList& listLines) {
    const ListTexts t = listTexts(award, shown);
    QStringList page;
    page << QString(t.printTitleIndent, u' ') + station + t.printTitle + fullDate(date) << QString()
         << t.printHeader << QString();
    for (qsizetype i = t.firstItem; i < listLines.size(); ++i)
        page << QStringLiteral("    ") + number(int(i - t.firstItem + 1)) + u' ' +
                    listLines[i].left(t.printedWidth);
    page << QString() << QString() << kListFooter;
    return page;
}

QString savedMessage(const QString& fileName) {
    return QStringLiteral("Le log a été enregistré sous le nom : ") + fileName;
}

} // namespace awards
