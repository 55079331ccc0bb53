#pragma once
#include <QString>
#include <QStringList>

// The scores of the castle awards over the lines of the station log. The awards count castles,
// so every count below is of distinct references (the five characters, trimmed and in upper
// case): a castle worked many times counts once.
namespace awards {

// The castle a log line is about.
QString castleKey(const QString& logLine);

// What every castle score counts, and its verdict.
struct CastleScore {
    int contacted = 0; // the first count
    int confirmed = 0; // the second count
    bool canClaim = false;
    QString verdict;
};

// DCI: castles of all Italy, by region, with the province of Cuneo apart.
struct DciScore : CastleScore {
    QStringList regionLines; // an empty line, then the 20 regions in the order of their codes
    QString cuneoLine;
    int regionsConfirmed = 0;
    int cuneo = 0;
};
DciScore computeDciScore(const QStringList& logLines);

inline const QString kDciScoreHeader =
    QStringLiteral("Nb Chateaux        Régions               QSL");
// Label14, then the rule: Label4, Label3, Label9, Label5, Label6.
inline const QString kDciVerdictEnd = QStringLiteral("le Diplome des Chateaux Italiens");
inline const QStringList kDciRule{QStringLiteral("Pour le diplome DCI HF Francais il faut :"),
                                  QStringLiteral("20 Chateaux contactés et confirmés dans"),
                                  QStringLiteral("5 régions différentes minimum"),
                                  QStringLiteral("et au moins 1 Chateau contacté et confirmé"),
                                  QStringLiteral("dans la Province de Cuneo")};

// DCLO: castles of the 11 Lombard provinces.
// True when the two characters are one of the Lombard codes, exactly as written (MB is not one
// of them).
bool isDcloProvince(QStringView code);
struct DcloScore : CastleScore {
    QStringList provinceLines; // an empty line, then the 11 provinces
    int provincesConfirmed = 0;
};
DcloScore computeDcloScore(const QStringList& logLines);

inline const QString kDcloScoreHeader =
    QStringLiteral("Nb Chateaux           Provinces         QSL");
// Label1, then the rule: Label4, Label3, Label9.
inline const QString kDcloVerdictEnd = QStringLiteral("le Diplome des Chateaux de Lombardie");
inline const QStringList kDcloRule{QStringLiteral("Pour le diplome DCLo Francais il faut :"),
                                   QStringLiteral("10 Chateaux contactés et confirmés dans"),
                                   QStringLiteral("3 Provinces de Lombardie minimum")};

// DCPC: castles of the province of Cuneo; the list keeps one line per QSO, in log order.
QString dcpcListLine(const QString& logLine);
struct DcpcScore : CastleScore {
    QStringList lines; // the QSOs, then an empty line
};
DcpcScore computeDcpcScore(const QStringList& logLines);

inline const QString kDcpcHeader =
    QStringLiteral("      Ref     Indicatif             Date       QSL");
// Label6 and Label11, then the rule: Label4, Label3, Label9.
inline const QStringList kDcpcVerdictEnd{QStringLiteral("le diplome des Chateaux"),
                                         QStringLiteral("de la province de Cunéo")};
inline const QStringList kDcpcRule{QStringLiteral("Pour le diplome DCPC il faut :"),
                                   QStringLiteral("10 Chateaux contactés et confirmés"),
                                   QStringLiteral("dans la Province de Cunéo (CN)")};

inline const QString kCanClaim = QStringLiteral("Bravo vous pouvez obtenir");

} // namespace awards
