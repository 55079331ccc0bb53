#include "requestletters.h"

#include "clock.h"
#include "stationlog.h"

#include <algorithm>

namespace awards {

namespace {

RequestField field(const char* name, const char* caption, const char* key, const char* emptyMessage,
                   int maxLength, const char* tooLongMessage) {
    return {QString::fromLatin1(name),
            QString::fromUtf8(caption),
            QString::fromLatin1(key),
            QString::fromUtf8(emptyMessage),
            maxLength,
            QString::fromUtf8(tooLongMessage)};
}

QString blanks(int n) {
    return QString(n, u' ');
}

const QString kRule = QStringLiteral(
    "   ---- --------------- ---------- ---- ---- ----- -- -------------------------");
const QString kClosingRule = "   " + QString(76, u'-');
const QString kColumnHeading =
    QStringLiteral("   CODE CALL            DATE       TIME BAND MODE  PR QTH");

QString pageHeading(const QString& call, int page) {
    return "    Worked All Italian Squares - " + call + " -MIXED-" + blanks(28) + "Pag. " +
           QString::number(page);
}

void appendPageTop(QStringList& lines, const QString& call, int page) {
    lines << pageHeading(call, page) << QString() << QString() << kColumnHeading << kRule;
}

} // namespace

QList<RequestField> waisRequestFields() {
    QList<RequestField> fields = {
        field("L_Nom", "Nom", "Nom", "Entrez un nom", 20, "20 caracteres maxi pour le Nom"),
        field("L_Prenom", "Prenom", "Prenom", "Entrez un prenom", 20,
              "20 caracteres maxi pour le Prenom"),
        field("L_Adresse_1", "Adresse 1", "Adresse 1", "Entrez une adresse", 30,
              "30 caracteres maxi pour l'adresse"),
        field("L_Adresse_2", "Adresse 2", "Adresse 2", "", 30, "30 caracteres maxi pour l'adresse"),
        field("L_Code_Postal", "Code postal", "Code Postal", "Entrez un code postal", 5,
              "5 caracteres maxi pour le code postal"),
        field("L_Ville", "Ville", "Ville", "Entrez une ville", 25,
              "25 caracteres maxi pour la ville"),
        field("L_Pays", "Pays", "Pays", "Entrez un pays", 15, "15 caracteres maxi pour le pays"),
        field("L_Credit", "Deja accredité", "Credit", "", 0, ""),
    };
    fields.last().digitsOnly = true;
    return fields;
}

QList<RequestField> dciRequestFields() {
    QList<RequestField> fields = {
        field("L_Nom", "Nom", "Nom", "Entrez un nom", 16, "16 caracteres maxi pour le Nom"),
        field("L_Prenom", "Prenom", "Prenom", "Entrez un prenom", 20,
              "20 caracteres maxi pour le Prenom"),
        field("L_Adresse_1", "Adresse", "Adresse 1", "Entrez une adresse", 30,
              "30 caracteres maxi pour l'adresse"),
        field("L_Code_Postal", "Code postal", "Code Postal", "Entrez un code postal", 8,
              "8 caracteres maxi pour le code postal"),
        field("L_Ville", "Ville", "Ville", "Entrez une ville", 21,
              "21 caracteres maxi pour la ville"),
        field("L_Pays", "Pays", "Pays", "Entrez un pays", 15, "15 caracteres maxi pour le pays"),
        field("L_Email", "e-mail", "e-mail", "", 60, "60 caracteres maxi pour l'adresse"),
    };
    fields.last().capitals = false;
    return fields;
}

QString requestFieldRefusal(const RequestField& field, const QString& text) {
    if (text.isEmpty())
        return field.emptyMessage;
    if (field.maxLength > 0 && text.size() > field.maxLength)
        return field.tooLongMessage;
    return {};
}

QChar typedRequestChar(const RequestField& field, QChar typed) {
    if (field.capitals && typed >= u'a' && typed <= u'z')
        return typed.toUpper();
    return typed;
}

QString creditDigits(const QString& credit) {
    qsizetype n = 0;
    while (n < credit.size() && n < kCreditDigits && credit[n] >= u'0' && credit[n] <= u'9')
        ++n;
    return credit.left(n);
}

int creditValue(const QString& credit) {
    return creditDigits(credit).toInt();
}

QString waisLetterFileName(const QString& call) {
    return call + "_Richiesta_WAIS_MIXED.txt";
}

QStringList waisLetterLines(const Applicant& a, const QStringList& shownLines, const QDate& today) {
    const QString date = fullDate(today);
    const QString address = blanks(55);
    QStringList lines;
    lines << blanks(69) + date << QString() << QString();
    lines << address + "Award Manager W.A.I.S." << address + "Ufficio Diplomi"
          << address + "ITALIA";
    lines << QString() << QString();
    lines << "    Oggetto: Richiesta diploma Worked All Italian Squares >MIXED<";
    lines << "    Call: " + a.call << QString() << QString();
    lines << "    Il sottoscritto " + a.nom + " " + a.prenom + " (" + a.call + ") " +
                 ", avendo raggiunto il numero minimo ";
    lines << "    di squares italiani confermati, nel rispetto del regolamento del W.A.I.S.,"
          << "    fa richiesta del diploma di cui all'oggetto."
          << "    Le qsl di conferma, sono in mio possesso ed a disposizione per eventuali"
          << "    verifiche.";
    lines << QString() << "    Si allegano estratto log + 10 Euro" << QString()
          << "    Cordiali saluti." << QString();
    lines << "    " + a.nom + " " + a.prenom;
    for (const QString& part : {a.adresse1, a.adresse2, a.codePostal, a.ville, a.pays})
        lines << "    " + part;
    lines << QString() << "    Data " + date;
    lines << QString() << QString() << blanks(74) + "Pag. 1" << QString() << QString();
    appendPageTop(lines, a.call, 2);

    QStringList squares;
    for (const QString& line : shownLines)
        if (line.endsWith(u'*'))
            squares.append(line.left(79));
    int page = 2;
    for (int i = 0; i < squares.size(); ++i) {
        // A page is only started for a square that needs it.
        if (i > 0 && i % kSquaresPerPage == 0) {
            lines << kClosingRule << QString() << QString();
            appendPageTop(lines, a.call, ++page);
        }
        lines << squares[i];
    }
    const int credit = creditValue(a.credit);
    lines << kClosingRule << QString();
    lines << "                    SQUARES ALREADY ACCREDITED : " + QString::number(credit);
    lines << "                    SQUARES TO BE ACCREDITED   : " + QString::number(squares.size());
    lines << "                    TOTAL SQUARES (ACC + CONF) : " +
                 QString::number(credit + squares.size());
    return lines;
}

namespace {

QLatin1StringView bandNumber(QStringView band) {
    static constexpr std::pair<const char*, const char*> kBands[] = {
        {"3.5 Mhz", "80"}, {"7.0 Mhz", "40"}, {"14 Mhz", "20"}, {"21 Mhz", "15"}, {"28 Mhz", "10"},
    };
    for (const auto& [label, number] : kBands)
        if (band == QLatin1StringView(label))
            return QLatin1StringView(number);
    return {};
}

} // namespace

QChar* writeWidenedDate(QChar* out, QStringView date) {
    const QStringView yy = date.size() >= 2 ? date.last(2) : date;
    const auto isDigit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    const bool twoDigits = yy.size() == 2 && isDigit(yy[0]) && isDigit(yy[1]);
    const int year = twoDigits ? (yy[0].unicode() - u'0') * 10 + (yy[1].unicode() - u'0') : -1;
    const char* century = centuryOf(year);
    out = std::copy(date.begin(), date.begin() + qMin<qsizetype>(6, date.size()), out);
    *out++ = QLatin1Char(century[0]);
    *out++ = QLatin1Char(century[1]);
    return std::copy(yy.begin(), yy.end(), out);
}

QString dciBandNumber(const QString& band) {
    return bandNumber(band);
}

QStringList dciFileLines(const Applicant& a, const QStringList& listLines) {
    const QString indent = blanks(23);
    QStringList lines;
    lines.reserve(listLines.size() + 5);
    lines << "                           D.C.I.    Diploma dei Castelli D'italia";
    lines << blanks(7) + a.call;
    lines << indent + a.nom.leftJustified(16) + a.prenom;
    lines << indent + a.adresse1;
    lines << indent + a.codePostal.leftJustified(8) + a.ville.leftJustified(21) +
                 a.pays.leftJustified(12) + "e-mail:  " + a.email;
    // Each line is put together on the stack from slices of the list line, then copied once, as
    // the list has a line per QSO.
    for (const QString& listLine : listLines) {
        const QStringView line(listLine);
        if (line.left(5).trimmed().isEmpty())
            continue;
        QChar buffer[64];
        QChar* d = buffer;
        const auto put = [&d](QStringView text) {
            std::copy(text.begin(), text.end(), d);
            d += text.size();
        };
        const auto fill = [&d](qsizetype n) {
            for (; n > 0; --n)
                *d++ = u' ';
        };
        fill(4);
        put(line.mid(1, 5));
        fill(2);
        const QStringView callsign = line.mid(80, 12).trimmed();
        put(callsign);
        fill(15 - callsign.size() + 1);
        for (const char c : bandNumber(line.mid(94, 7).trimmed()))
            *d++ = QLatin1Char(c);
        fill(3);
        const QStringView mode = line.mid(103, 3).trimmed();
        put(mode);
        fill(3 - mode.size() + 7);
        d = writeWidenedDate(d, line.mid(70, 8));
        lines.append(QString(buffer, d - buffer));
    }
    return lines;
}

QString savedMessage(const QString& fileName, bool wais) {
    return (wais ? QStringLiteral("Le fichier a été enregistré sous le nom de ")
                 : QStringLiteral("Le fichier a été enregistré sous le nom ")) +
           fileName;
}

} // namespace awards
