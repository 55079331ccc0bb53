#pragma once
#include "bytekeys.h"

#include <QString>
#include <QStringList>

#include <array>

// The scores of the castle awards over the lines of the station log. The awards count castles,
// so every count below is of distinct references (the five characters, trimmed and in upper
// case): a castle worked many times counts once.
namespace awards {

// The distinct castles counted in each of `Count` tallies (regions, provinces), contacted and
// confirmed, kept as one set of marks per castle rather than one set of texts per tally.
template <int Count> class CastleTallies {
    static_assert(2 * Count <= 64);

public:
    // The marks of a castle in tally `t`, to be added together.
    static std::uint64_t marks(int t, bool confirmed) {
        return (std::uint64_t(1) << (2 * t)) | (std::uint64_t(confirmed) << (2 * t + 1));
    }
    // Marks the castle of the line, by its key, in the tallies of `marks`.
    void add(std::uint64_t key, std::uint64_t marks) {
        const int n = m_index.insert(key);
        if (n == int(m_marks.size()))
            m_marks.push_back(0);
        m_marks[n] |= marks;
    }
    // The counts of contacted castles, then of confirmed ones, by tally.
    std::array<int, 2 * Count> counts() const {
        std::array<int, 2 * Count> c{};
        for (const std::uint64_t marks : m_marks)
            for (int bit = 0; bit < 2 * Count; ++bit)
                c[bit] += int((marks >> bit) & 1);
        return c;
    }

private:
    bytekeys::KeyIndex m_index;
    std::vector<std::uint64_t> m_marks;
};

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
// The score, line by line from the bytes of the log.
class DciCounter {
public:
    void add(QByteArrayView logLine);
    DciScore score() const;

private:
    bytekeys::KeyNumbers m_numbers;
    // Regions 1 to 20 at 0 to 19, Cuneo at 20, every castle of the log at 21.
    CastleTallies<22> m_tallies;
};

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
struct DcloScore : CastleScore {
    QStringList provinceLines; // an empty line, then the 11 provinces
    int provincesConfirmed = 0;
};
class DcloCounter {
public:
    void add(QByteArrayView logLine);
    DcloScore score() const;

private:
    bytekeys::KeyNumbers m_numbers;
    CastleTallies<11> m_tallies;
};

inline const QString kDcloScoreHeader =
    QStringLiteral("Nb Chateaux           Provinces         QSL");
// Label1, then the rule: Label4, Label3, Label9.
inline const QString kDcloVerdictEnd = QStringLiteral("le Diplome des Chateaux de Lombardie");
inline const QStringList kDcloRule{QStringLiteral("Pour le diplome DCLo Francais il faut :"),
                                   QStringLiteral("10 Chateaux contactés et confirmés dans"),
                                   QStringLiteral("3 Provinces de Lombardie minimum")};

// DCPC: castles of the province of Cuneo; the list keeps one line per QSO, in log order.
struct DcpcScore : CastleScore {
    QStringList lines; // the QSOs, then an empty line
};
// Decodes only the QSOs listed.
class DcpcCounter {
public:
    void add(QByteArrayView logLine);
    DcpcScore score() const;

private:
    bytekeys::KeyNumbers m_numbers;
    CastleTallies<1> m_tallies;
    QStringList m_lines;
};

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
