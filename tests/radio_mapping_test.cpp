#include "provincetable.h"
#include "radiomapping.h"
#include "testsupport.h"

TEST(RadioMapping, EachBandTakesItsEdgesAndNothingOutside) {
    for (const BandInfo& band : kBandTable) {
        const QString label = QString::fromLatin1(band.label);
        EXPECT_EQ(bandForFrequency(band.lowHz), label);
        EXPECT_EQ(bandForFrequency(band.highHz), label);
        EXPECT_EQ(bandForFrequency(band.lowHz - 1), "") << band.lowHz;
        EXPECT_EQ(bandForFrequency(band.highHz + 1), "") << band.highHz;
    }
}
