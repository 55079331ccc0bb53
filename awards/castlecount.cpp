#include "castlecount.h"

#include "capitals.h"
#include "codepage.h"
#include "logbytes.h"
#include "provincetable.h"
#include "qsorecord.h"

#include <algorithm>
#include <array>

namespace awards {

using namespace bytekeys;

namespace {

QByteArrayView referenceColumn(QByteArrayView logLine, int width) {
    return byteColumn(logLine, LogColumns::kReference, width);
}

// The key of the castle of a line: its reference, trimmed and in upper case.
std::uint64_t castleNumber(QByteArrayView logLine, KeyNumbers& numbers) {
    return capitalKey(referenceColumn(logLine, 5), numbers);
}

// The key of the province as the scores read it: trimmed and in upper case.
std::uint64_t provinceKey(QByteArrayView logLine, KeyNumbers& numbers) {
    return capitalKey(referenceColumn(logLine, 2), numbers);
}

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

// The Lombard province index by the key of its code; -1 for any other key.
qsizetype dcloIndex(std::uint64_t key) {
    static const std::array<std::uint64_t, 11> keys = [] {
        std::array<std::uint64_t, 11> k{};
        for (int i = 0; i < 11; ++i)
            k[i] = packBytes(kDcloProvinces[i].mid(4, 2).toLatin1());
        return k;
    }();
    const auto found = std::find(keys.begin(), keys.end(), key);
    return found == keys.end() ? -1 : found - keys.begin();
}

bool isCuneoKey(std::uint64_t key) {
    static const std::uint64_t cuneo = packBytes("CN");
    return key == cuneo;
}

} // namespace

void DciCounter::add(QByteArrayView line) {
    using Tallies = CastleTallies<22>;
    const std::uint64_t castle = castleNumber(line, m_numbers);
    const bool confirmed = isConfirmedLine(line);
    std::uint64_t marks = castle != packBytes({}) ? Tallies::marks(21, false) : 0;
    const std::uint64_t province = provinceKey(line, m_numbers);
    if (const int number = provinceOfKey(province); number != 0) {
        marks |= Tallies::marks(ProvinceTable::region(number) - 1, confirmed);
        if (isCuneoKey(province))
            marks |= Tallies::marks(20, confirmed);
    }
    if (marks != 0)
        m_tallies.add(castle, marks);
}

DciScore DciCounter::score() const {
    const auto counts = m_tallies.counts();
    const auto contacted = [&counts](int t) { return counts[2 * t]; };
    const auto confirmed = [&counts](int t) { return counts[2 * t + 1]; };
    DciScore score;
    score.regionLines.append(QString());
    for (int region : kScoreOrder) {
        score.regionLines.append(scoreLine(contacted(region - 1),
                                           QString::fromUtf16(RegionTable::at(region).scoreLine),
                                           confirmed(region - 1) > 0));
    }
    score.cuneoLine = scoreLine(contacted(20), QStringLiteral("    CN Province de Cuneo       "),
                                confirmed(20) > 0);
    score.contacted = contacted(21);
    for (int t = 0; t < 20; ++t) {
        score.confirmed += confirmed(t);
        score.regionsConfirmed += confirmed(t) > 0 ? 1 : 0;
    }
    score.cuneo = contacted(20);
    decide(score,
           score.confirmed >= 20 && score.regionsConfirmed >= 5 && score.cuneo >= 1 &&
               confirmed(20) > 0,
           QStringLiteral(" Vous ne pouvez pas encore obtenir"));
    return score;
}

void DcloCounter::add(QByteArrayView line) {
    if (const qsizetype i = dcloIndex(provinceKey(line, m_numbers)); i >= 0)
        m_tallies.add(castleNumber(line, m_numbers),
                      CastleTallies<11>::marks(int(i), isConfirmedLine(line)));
}

DcloScore DcloCounter::score() const {
    const auto counts = m_tallies.counts();
    DcloScore score;
    score.provinceLines.append(QString());
    for (int i = 0; i < 11; ++i) {
        const int contacted = counts[2 * i], confirmed = counts[2 * i + 1];
        score.provinceLines.append(scoreLine(contacted, kDcloProvinces[i], confirmed > 0));
        score.contacted += contacted;
        score.confirmed += confirmed;
        score.provincesConfirmed += confirmed > 0 ? 1 : 0;
    }
    decide(score, score.confirmed >= 10 && score.provincesConfirmed >= 3,
           QStringLiteral("Vous pouvez pas encore obtenir"));
    return score;
}

namespace {

// The DCPC list line of a log line: reference and callsign in capitals, each field blank-filled.
QString dcpcLine(QByteArrayView logLine) {
    using namespace LogColumns;
    struct Shown {
        int start, width, blanksBefore;
        bool upper;
    };
    static constexpr Shown kFields[] = {{kReference, 5, 2, true},
                                        {kCallsign, 12, 2, true},
                                        {kDate, 8, 2, false},
                                        {kQsl, 1, 4, false}};
    // A capital "ß" takes two bytes.
    char text[64];
    char* d = text;
    for (const Shown& f : kFields) {
        const QByteArrayView value = byteColumn(logLine, f.start, f.width);
        d = std::fill_n(d, f.blanksBefore, ' ');
        if (f.upper) {
            d = writeCapitals(value, d);
        } else {
            std::copy(value.begin(), value.end(), d);
            d += value.size();
        }
        d = std::fill_n(d, f.width - value.size(), ' ');
    }
    return decodeCp1252(QByteArrayView(text, d - text));
}

} // namespace

void DcpcCounter::add(QByteArrayView line) {
    // The province as written, in upper case but not trimmed.
    const QByteArrayView province = referenceColumn(line, 2);
    const auto& capitals = capitalTable();
    if (province.size() != 2 || capitals[static_cast<unsigned char>(province[0])] != 'C' ||
        capitals[static_cast<unsigned char>(province[1])] != 'N')
        return;
    m_lines.append(dcpcLine(line));
    m_tallies.add(castleNumber(line, m_numbers), CastleTallies<1>::marks(0, isConfirmedLine(line)));
}

DcpcScore DcpcCounter::score() const {
    const auto counts = m_tallies.counts();
    DcpcScore score;
    score.lines = m_lines;
    score.lines.append(QString());
    score.contacted = counts[0];
    score.confirmed = counts[1];
    decide(score, score.confirmed >= 10, QStringLiteral("Vous ne pouvez pas encore obtenir"));
    return score;
}

} // namespace awards
