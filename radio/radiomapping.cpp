#include "radiomapping.h"

namespace {

struct Band {
    qint64 low;
    qint64 high;
    const char* label;
};

// Edges included.
constexpr Band kBands[] = {
    {1'810'000, 2'000'000, "1.8 Mhz"},     {3'500'000, 3'800'000, "3.5 Mhz"},
    {7'000'000, 7'200'000, "7.0 Mhz"},     {10'100'000, 10'150'000, "10 Mhz"},
    {14'000'000, 14'350'000, "14 Mhz"},    {18'068'000, 18'168'000, "18 Mhz"},
    {21'000'000, 21'450'000, "21 Mhz"},    {24'890'000, 24'990'000, "24 Mhz"},
    {28'000'000, 29'700'000, "28 Mhz"},    {50'000'000, 54'000'000, "50 Mhz"},
    {144'000'000, 148'000'000, "144 Mhz"}, {430'000'000, 440'000'000, "432 Mhz"},
};

struct Mode {
    const char* hamlib;
    const char* log;
};

constexpr Mode kModes[] = {
    {"USB", "SSB"}, {"LSB", "SSB"}, {"CW", "CW"}, {"CWR", "CW"},   {"FM", "FM"},
    {"FMN", "FM"},  {"WFM", "FM"},  {"AM", "AM"}, {"RTTY", "RTT"}, {"RTTYR", "RTT"},
};

} // namespace

QString bandForFrequency(qint64 hz) {
    for (const Band& b : kBands) {
        if (hz >= b.low && hz <= b.high)
            return QString::fromLatin1(b.label);
    }
    return {};
}

QString logModeForHamlib(const QString& hamlibMode) {
    for (const Mode& m : kModes) {
        if (hamlibMode == QLatin1String(m.hamlib))
            return QString::fromLatin1(m.log);
    }
    return {};
}

QString radioReadingText(qint64 hz, const QString& hamlibMode) {
    // French decimal comma, to the Hz.
    const QString mhz = QString::number(hz / 1e6, 'f', 6).replace(u'.', u',');
    return QStringLiteral("%1 MHz  %2").arg(mhz, hamlibMode);
}
