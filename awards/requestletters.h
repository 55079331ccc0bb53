#pragma once
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// The award request documents: the fields typed, their checks, and the two files written.
namespace awards {

// One entry field of a request window, in its order of entry.
struct RequestField {
    QString name;         // objectName, L_...
    QString caption;      // the label before the field
    QString key;          // the setting that remembers it for the station
    QString emptyMessage; // empty: the field may be left empty
    int maxLength = 0;    // 0: no limit
    QString tooLongMessage;
    bool capitals = true; // letters a-z typed become capitals
    bool digitsOnly = false;
};

QList<RequestField> waisRequestFields();
QList<RequestField> dciRequestFields();

// The refusal of a field's text on Enter, empty text first, then length; empty when accepted.
QString requestFieldRefusal(const RequestField& field, const QString& text);
// What a typed character becomes in a field.
QChar typedRequestChar(const RequestField& field, QChar typed);
// Squares already credited: at most four digits.
inline constexpr int kCreditDigits = 4;

// The applicant's details by settings key ("Nom", "Prenom", ...), with the station callsign.
struct Applicant {
    QString call;
    QString nom, prenom, adresse1, adresse2, codePostal, ville, pays, credit, email;
};

// The leading digits of a credit, at most four, and the number they form (0 when none).
QString creditDigits(const QString& credit);
int creditValue(const QString& credit);

QString waisLetterFileName(const QString& call);
// The WAIS letter: `shownLines` are the lines of the WAIS list, of which the confirmed ones are
// listed, 50 a page.
QStringList waisLetterLines(const Applicant& a, const QStringList& shownLines, const QDate& today);
inline constexpr int kSquaresPerPage = 50;

inline const QString kDciFileName = QStringLiteral("DCI_DaAcc.txt");
// The number of a band in the DCI file; empty for a band it does not know.
QString dciBandNumber(const QString& band);
// The date as widenedDate writes it, at `out`, with room for ten characters; returns its end.
QChar* writeWidenedDate(QChar* out, QStringView date);
// The DCI file from the lines of the DCI castle list, in list order.
QStringList dciFileLines(const Applicant& a, const QStringList& listLines);

QString savedMessage(const QString& fileName, bool wais);

} // namespace awards
