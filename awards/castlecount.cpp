#include "castlecount.h"

#include "codepage.h"
#include "provincetable.h"
#include "qsorecord.h"

#include <algorithm>
#include <array>

namespace awards {

using namespace logbytes;

namespace {

bool isConfirmed(QByteArrayView logLine) {
    return logLine.size() > LogColumns::kQsl && logLine[LogColumns::kQsl] == '*';
}

QByteArrayView referenceColumn(QByteArrayView logLine, int width) {
    return byteColumn(logLine, LogColumns::kReference, width);
}

// The key of the castle of a line: its reference, trimmed and in upper case.
std::uint64_t castleNumber(QByteArrayView logLine, KeyNumbers& numbers) {
    return trimmedUpperKey(referenceColumn(logLine, 5), numbers);
}

// The key of the province as the scores read it: trimmed and in upper case.
std::uint64_t provinceKey(QByteArrayView logLine, KeyNumbers& numbers) {
    return trimmedUpperKey(referenceColumn(logLine, 2), numbers);
}

// Province numbers by the key of their code; every code is two ASCII characters.
int provinceNumber(std::uint64_t key) {
    static const std::vector<std::uint8_t> numbers = [] {
        std::vector<std::uint8_t> n(1 << 16, 0);
        for (int number = 1; number <= ProvinceTable::kCount; ++number)
            n[packAscii(ProvinceTable::code(number).toLatin1()) & 0xFFFF] = std::uint8_t(number);
        return n;
    }();
    return key >> 56 == 2 ? numbers[key & 0xFFFF] : 0;
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

qsizetype dcloIndex(QStringView code) {
    for (qsizetype i = 0; i < kDcloProvinces.size(); ++i) {
        if (QStringView(kDcloProvinces[i]).mid(4, 2) == code)
            return i;
    }
    return -1;
}

// The Lombard province index by the key of its code; -1 for any other key.
qsizetype dcloIndex(std::uint64_t key) {
    static const std::array<std::uint64_t, 11> keys = [] {
        std::array<std::uint64_t, 11> k{};
        for (int i = 0; i < 11; ++i)
            k[i] = packAscii(kDcloProvinces[i].mid(4, 2).toLatin1());
        return k;
    }();
    const auto found = std::find(keys.begin(), keys.end(), key);
    return found == keys.end() ? -1 : found - keys.begin();
}

bool isCuneoKey(std::uint64_t key) {
    static const std::uint64_t cuneo = packAscii("CN");
    return key == cuneo;
}

template <class Counter> void addLines(Counter& counter, const QStringList& logLines) {
    for (const QString& line : logLines)
        counter.add(encodeCp1252(line));
}

} // namespace

bool isDcloProvince(QStringView code) {
    return dcloIndex(code) >= 0;
}

QString castleKey(const QString& logLine) {
    return logField(logLine, LogColumns::kReference, 5).trimmed().toUpper();
}

void DciCounter::add(QByteArrayView line) {
    using Tallies = CastleTallies<22>;
    const std::uint64_t castle = castleNumber(line, m_numbers);
    const bool confirmed = isConfirmed(line);
    std::uint64_t marks = castle != packAscii({}) ? Tallies::marks(21, false) : 0;
    const std::uint64_t province = provinceKey(line, m_numbers);
    if (const int number = provinceNumber(province); number != 0) {
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

DciScore computeDciScore(const QStringList& logLines) {
    DciCounter counter;
    addLines(counter, logLines);
    return counter.score();
}

void DcloCounter::add(QByteArrayView line) {
    if (const qsizetype i = dcloIndex(provinceKey(line, m_numbers)); i >= 0)
        m_tallies.add(castleNumber(line, m_numbers),
                      CastleTallies<11>::marks(int(i), isConfirmed(line)));
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

DcloScore computeDcloScore(const QStringList& logLines) {
    DcloCounter counter;
    addLines(counter, logLines);
    return counter.score();
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

namespace {

// The DCPC list line of a log line: from its bytes when the fields shown are ASCII, else as
// dcpcListLine gives it from the decoded line.
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
    QChar text[36];
    QChar* d = text;
    for (const Shown& f : kFields) {
        const QByteArrayView value = byteColumn(logLine, f.start, f.width);
        if (!isAscii(value))
            return dcpcListLine(decodeCp1252(logLine));
        for (int i = 0; i < f.blanksBefore; ++i)
            *d++ = u' ';
        for (const char c : value)
            *d++ = QLatin1Char(f.upper && c >= 'a' && c <= 'z' ? char(c - 32) : c);
        for (qsizetype i = value.size(); i < f.width; ++i)
            *d++ = u' ';
    }
    return QString(text, d - text);
}

} // namespace

void DcpcCounter::add(QByteArrayView line) {
    // The province as written, in upper case but not trimmed.
    const QByteArrayView province = referenceColumn(line, 2);
    const bool cuneo = isAscii(province) ? province.size() == 2 && (province[0] & ~0x20) == 'C' &&
                                               (province[1] & ~0x20) == 'N'
                                         : decodeCp1252(province).toUpper() == QStringLiteral("CN");
    if (!cuneo)
        return;
    m_lines.append(dcpcLine(line));
    m_tallies.add(castleNumber(line, m_numbers), CastleTallies<1>::marks(0, isConfirmed(line)));
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

DcpcScore computeDcpcScore(const QStringList& logLines) {
    DcpcCounter counter;
    addLines(counter, logLines);
    return counter.score();
}

} // namespace awards
