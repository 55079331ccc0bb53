#include "geocount.h"
#include "testsupport.h"

namespace {

QString qso(const QString& reference, const QString& band = "14 Mhz", const QString& mode = "SSB") {
    return logLine("I1ABC", reference, "05/12/26", "14:30", mode, band);
}

} // namespace

TEST(GeoCount, BandAndModeChoices) {
    const QStringList log = {qso("AQ001", "20m"), qso("RM001", ""), qso("MI001"),
                             qso("PA001", "14 Mhz", "CW")};
    struct Case {
        const char* band;
        const char* mode;
        QStringList provinces; // list lines, which here match the map's boxes
        int regions;
    };
    const Case cases[] = {
        {"Toutes",
         "SSB",
         {"    Province AQ  Aquila", "    Province RM  Rome", "    Province MI  Milan"},
         3},
        {"20m", "SSB", {"    Province AQ  Aquila"}, 1},
        {"", "SSB", {"    Province RM  Rome"}, 1},
        {"14 Mhz", "CW", {"    Province PA  Palerme"}, 1},
        // The list and the map trim the choices; the region routine takes them as they are.
        {"14 Mhz ", "SSB", {"    Province MI  Milan"}, 0},
        {"Toutes", "CW ", {"    Province PA  Palerme"}, 0},
        {"Toutes", "cw", {}, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(geo::provinceListLines(log, c.band, c.mode), c.provinces) << c.band << c.mode;
        EXPECT_EQ(geo::countSet(geo::provincesOnMap(log, c.band, c.mode)), c.provinces.size())
            << c.band << c.mode;
        EXPECT_EQ(geo::countSet(geo::regionsWorked(log, c.band, c.mode)), c.regions)
            << c.band << c.mode;
    }
}

TEST(GeoCount, MonzaFermoAndLowerCaseAreNotListedButMapped) {
    const QStringList log = {qso("MB001"), qso("FM002"), qso("aq001"), qso(" RM01")};
    EXPECT_TRUE(geo::provinceListLines(log, "Toutes", "SSB").isEmpty());
    const geo::ProvinceFlags map = geo::provincesOnMap(log, "Toutes", "SSB");
    EXPECT_EQ(geo::countSet(map), 3);
    EXPECT_TRUE(map[0] && map[46] && map[51]); // AQ, MB, FM
    EXPECT_EQ(geo::regionListLines(geo::regionsWorked(log, "Toutes", "SSB")),
              (QStringList{"    Region Abruzzes", "    Region Lombardie", "    Region Marches"}));
}

TEST(GeoCount, ManyQsosInOneProvinceGiveOneLineInTableOrder) {
    const QStringList log = {qso("TO001"), qso("AO001"), qso("TO002"), qso("AQ003"),
                             qso("XX001"), qso(""),      "",           "short"};
    EXPECT_EQ(geo::provinceListLines(log, "Toutes", "SSB"),
              (QStringList{"    Province AQ  Aquila", "    Province TO  Turin",
                           "    Province AO  Aoste"}));
    EXPECT_EQ(geo::countSet(geo::provincesOnMap(log, "Toutes", "SSB")), 3);
    EXPECT_EQ(
        geo::regionListLines(geo::regionsWorked(log, "Toutes", "SSB")),
        (QStringList{"    Region Abruzzes", "    Region Piemont", "    Region Vallee d aoste"}));
}
