#include "castlecount.h"

#include "provincetable.h"
#include "qsorecord.h"

#include <QSet>

#include <array>

namespace awards {

namespace {

bool isConfirmed(const QString& logLine) {
    return logField(logLine, LogColumns::kQsl, 1) == QStringLiteral("*");
}

// The province as the scores read it: trimmed and in upper case.
QString scoreProvince(const QString& logLine) {
    return logField(logLine, LogColumns::kReference, 2).trimmed().toUpper();
}

// The castles worked and confirmed in one region or province.
struct Tally {
    QSet<QString> contacted;
    QSet<QString> confirmed;
    bool flagged() const { return !confirmed.isEmpty(); }
    void add(const QString& logLine) {
        const QString key = castleKey(logLine);
        contacted.insert(key);
        if (isConfirmed(logLine))
            confirmed.insert(key);
    }
};

QString scoreLine(qsizetype count, const QString& name, bool flagged) {
    return QString::number(count).rightJustified(3, u' ') + name +
           (flagged ? QStringLiteral("*") : QString());
}

// Region numbers in the order of their score codes, AO to VA.
constexpr std::array<int, 20> kScoreOrder{20, 1,  2,  4,  5,  6,  3,  7,  8,  9,
                                          10, 11, 13, 14, 15, 16, 17, 18, 12, 19};

const QStringList kDcloProvinces{QStringLiteral("    BG Province de Bergame     "),
                                 QStringLiteral("    BS Province de Brescia     "),
                                 QStringLiteral("    CO Province de Come        "),
                                 QStringLiteral("    CR Province de Cremone     "),
                                 QStringLiteral("    LC Province de Lecco       "),
                                 QStringLiteral("    LO Province de Lodi        "),
                                 QStringLiteral("    MI Province de Milan       "),
                                 QStringLiteral("    MN Province de Mantoue     "),
                                 QStringLiteral("    PV Province de Pavie       "),
                                 QStringLiteral("    SO Province de Sondrio     "),
                                 QStringLiteral("    VA Province de Varese      ")};

// The verdict of a score; `notYet` is worded differently for each award.
void decide(CastleScore& score, bool canClaim, const QString& notYet) {
    score.canClaim = canClaim;
    score.verdict = canClaim ? kCanClaim : notYet;
}

qsizetype dcloIndex(QStringView code) {
    for (qsizetype i = 0; i < kDcloProvinces.size(); ++i) {
        if (QStringView(kDcloProvinces[i]).mid(4, 2) == code)
            return i;
    }
    return -1;
}

} // namespace

bool isDcloProvince(QStringView code) {
    return dcloIndex(code) >= 0;
}

QString castleKey(const QString& logLine) {
    return logField(logLine, LogColumns::kReference, 5).trimmed().toUpper();
}

DciScore computeDciScore(const QStringList& logLines) {
    std::array<Tally, 20> regions;
    Tally cuneo;
    QSet<QString> contacted;
    for (const QString& line : logLines) {
        if (const QString key = castleKey(line); !key.isEmpty())
            contacted.insert(key);
        const QString province = scoreProvince(line);
        const int number = ProvinceTable::find(province);
        if (number == 0)
            continue;
        regions[ProvinceTable::region(number) - 1].add(line);
        if (province == QStringLiteral("CN"))
            cuneo.add(line);
    }

    DciScore score;
    score.regionLines.append(QString());
    for (int region : kScoreOrder) {
        const Tally& t = regions[region - 1];
        score.regionLines.append(scoreLine(t.contacted.size(),
                                           QString::fromUtf16(RegionTable::at(region).scoreLine),
                                           t.flagged()));
    }
    score.cuneoLine = scoreLine(cuneo.contacted.size(),
                                QStringLiteral("    CN Province de Cuneo       "), cuneo.flagged());
    score.contacted = int(contacted.size());
    for (const Tally& t : regions) {
        score.confirmed += int(t.confirmed.size());
        score.regionsConfirmed += t.flagged() ? 1 : 0;
    }
    score.cuneo = int(cuneo.contacted.size());
    decide(score,
           score.confirmed >= 20 && score.regionsConfirmed >= 5 && score.cuneo >= 1 &&
               cuneo.flagged(),
           QStringLiteral(" Vous ne pouvez pas encore obtenir"));
    return score;
}

DcloScore computeDcloScore(const QStringList& logLines) {
    std::array<Tally, 11> provinces;
    for (const QString& line : logLines) {
        if (const qsizetype i = dcloIndex(scoreProvince(line)); i >= 0)
            provinces[i].add(line);
    }

    DcloScore score;
    score.provinceLines.append(QString());
    for (int i = 0; i < 11; ++i) {
        const Tally& t = provinces[i];
        score.provinceLines.append(scoreLine(t.contacted.size(), kDcloProvinces[i], t.flagged()));
        score.contacted += int(t.contacted.size());
        score.confirmed += int(t.confirmed.size());
        score.provincesConfirmed += t.flagged() ? 1 : 0;
    }
    decide(score, score.confirmed >= 10 && score.provincesConfirmed >= 3,
           QStringLiteral("Vous pouvez pas encore obtenir"));
    return score;
}

QString dcpcListLine(const QString& logLine) {
    using namespace LogColumns;
    const auto field = [&logLine](int start, int width) {
        return logField(logLine, start, width).leftJustified(width, u' ');
    };
    return QStringLiteral("  ") + field(kReference, 5).toUpper() + QStringLiteral("  ") +
           field(kCallsign, 12).toUpper() + QStringLiteral("  ") + field(kDate, 8) +
           QStringLiteral("    ") + field(kQsl, 1);
}

DcpcScore computeDcpcScore(const QStringList& logLines) {
    DcpcScore score;
    Tally cuneo;
    for (const QString& line : logLines) {
        if (logField(line, LogColumns::kReference, 2).toUpper() != QStringLiteral("CN"))
            continue;
        score.lines.append(dcpcListLine(line));
        cuneo.add(line);
    }
    score.lines.append(QString());
    score.contacted = int(cuneo.contacted.size());
    score.confirmed = int(cuneo.confirmed.size());
    decide(score, score.confirmed >= 10, QStringLiteral("Vous ne pouvez pas encore obtenir"));
    return score;
}

} // namespace awards
