#include "radiomapping.h"
#include "testsupport.h"

TEST(RadioMapping, FrequencyGivesBandAtTheEdgesAndNothingOutside) {
    const struct {
        qint64 hz;
        const char* band;
    } cases[] = {
        {1'809'999, ""},
        {1'810'000, "1.8 Mhz"},
        {2'000'000, "1.8 Mhz"},
        {3'500'000, "3.5 Mhz"},
        {3'800'000, "3.5 Mhz"},
        {3'800'001, ""},
        {7'100'000, "7.0 Mhz"},
        {7'200'001, ""},
        {10'120'000, "10 Mhz"},
        {14'000'000, "14 Mhz"},
        {14'350'000, "14 Mhz"},
        {14'350'001, ""},
        {18'068'000, "18 Mhz"},
        {18'168'000, "18 Mhz"},
        {21'450'000, "21 Mhz"},
        {24'890'000, "24 Mhz"},
        {24'990'001, ""},
        {29'700'000, "28 Mhz"},
        {50'000'000, "50 Mhz"},
        {54'000'000, "50 Mhz"},
        {145'000'000, "144 Mhz"},
        {148'000'001, ""},
        {432'100'000, "432 Mhz"},
        {440'000'001, ""},
        {0, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(bandForFrequency(c.hz), QString::fromLatin1(c.band)) << c.hz;
}

TEST(RadioMapping, HamlibModeGivesLogMode) {
    const struct {
        const char* hamlib;
        const char* log;
    } cases[] = {
        {"USB", "SSB"}, {"LSB", "SSB"}, {"CW", "CW"}, {"CWR", "CW"},   {"FM", "FM"},
        {"FMN", "FM"},  {"WFM", "FM"},  {"AM", "AM"}, {"RTTY", "RTT"}, {"RTTYR", "RTT"},
        {"PKTUSB", ""}, {"DSB", ""},    {"usb", ""},  {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(logModeForHamlib(c.hamlib), QString::fromLatin1(c.log)) << c.hamlib;
}

TEST(RadioMapping, ReadingShownToTheHz) {
    EXPECT_EQ(radioReadingText(14'200'000, "USB"), "14,200000 MHz  USB");
    EXPECT_EQ(radioReadingText(432'100'050, "FM"), "432,100050 MHz  FM");
}
