#include "radiomapping.h"

#include "provincetable.h"

namespace {

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
    for (const BandInfo& b : kBandTable) {
        if (hz >= b.lowHz && hz <= b.highHz)
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
