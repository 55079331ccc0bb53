#include "entryrules.h"

#include "provincetable.h"
#include "stationlog.h"

namespace {

bool digitsAt(const QString& s, std::initializer_list<int> positions) {
    for (int i : positions) {
        if (s[i] < u'0' || s[i] > u'9')
            return false;
    }
    return true;
}

int twoDigits(const QString& s, int at) {
    return s.mid(at, 2).toInt();
}

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int month, int year) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

QString tooLong(const QString& text, int limit, const char* message) {
    return text.size() > limit ? QString::fromUtf8(message) : QString();
}

} // namespace

namespace EntryRules {

const QString kFirstInstallation =
    QStringLiteral("\n         Premiere installation, vous devez entrer votre Indicatif\n\n"
                   "Pour cela dans la barre des menus allez dans Station puis Nouvel Indicatif.");
const QString kCastleNotListed = QStringLiteral("ATTENTION ce Chateau n'est pas referencé");

QString callsign(const QString& text) {
    if (text.isEmpty())
        return QStringLiteral("Entrez un indicatif");
    return tooLong(text, 12, "12 caracteres maxi pour l'indicatif");
}

QString firstName(const QString& text) {
    return tooLong(text, 15, "15 caracteres maxi pour le Prenom");
}

QString referenceLength(const QString& text) {
    if (text.isEmpty())
        return QStringLiteral("Entrez une Reference");
    return text.size() != 5 ? QStringLiteral("5 caracteres pour la reference") : QString();
}

QString referenceProvince(const QString& text) {
    const QString code = text.left(2);
    return ProvinceTable::find(code) ? QString() : provinceRefusal(code);
}

QString alreadyContacted(const QString& reference, const QString& date) {
    return reference + " Chateau deja contacté le " + date;
}

QString district(const QString& text) {
    return tooLong(text, 3, "3 caracteres maxi pour le District");
}

QString locator(const QString& text) {
    return tooLong(text, 4, "4 caracteres maxi pour le Locator");
}

QString date(const QString& text) {
    if (text.isEmpty())
        return QStringLiteral("Entrez une date");
    if (text.size() != 8)
        return QStringLiteral("8 caracteres pour la date ex: 12/05/07");
    const QString refusal = QStringLiteral("Le format de la date doit etre JJ/MM/AA");
    if (!digitsAt(text, {0, 1, 3, 4, 6, 7}) || text[2] != u'/' || text[5] != u'/')
        return refusal;
    const int day = twoDigits(text, 0), month = twoDigits(text, 3), yy = twoDigits(text, 6);
    // Only real dates pass, in the century the log gives the two-digit year.
    const int year = widenedYear(yy);
    if (month < 1 || month > 12 || day < 1 || day > daysInMonth(month, year))
        return refusal;
    return {};
}

QString time(const QString& text) {
    if (text.isEmpty())
        return QStringLiteral("Entrez une Heure");
    if (text.size() != 5)
        return QStringLiteral("5 caractereslour l'heure ex 12:48");
    if (!digitsAt(text, {0, 1, 3, 4}) || text[2] != u':' || twoDigits(text, 0) > 23 ||
        twoDigits(text, 3) > 59)
        return QStringLiteral("Le format de l'heure doit etre HH:MM");
    return {};
}

QString insertionDateTime(const QString& dateText, const QString& timeText) {
    if (!date(dateText).isEmpty())
        return QStringLiteral("Le format de la date doit etre JJ/MM/AA");
    if (!time(timeText).isEmpty())
        return QStringLiteral("Le format de l'heure doit etre HH:MM");
    return {};
}

QString mode(const QString& text) {
    if (text.isEmpty())
        return QStringLiteral("Entrez un Mode");
    return tooLong(text, 3, "3 caracteres maxi pour le Mode");
}

QString band(const QString& text) {
    if (text.isEmpty())
        return QStringLiteral("Entrez une QRG");
    return tooLong(text, 7, "7 caracteres maxi pour la QRG");
}

QString rst(const QString& text) {
    if (text.isEmpty())
        return QStringLiteral("Entrez un Report");
    if (text.size() >= 4)
        return QStringLiteral("3 caracteres maxi pour le Report");
    // A report that does not begin with a digit is refused like one above 5.
    if (text[0] < u'0' || text[0] > u'5')
        return QStringLiteral("R (de RST)doit etre compris entre 0 et 5");
    return {};
}

QString castleName(const QString& text) {
    return tooLong(text, 60, "60 caracteres maxi pour le nom du Chateau");
}

} // namespace EntryRules
