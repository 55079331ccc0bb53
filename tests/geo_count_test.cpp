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

TEST(GeoCount, SavedBandAndModeIndexes) {
    const std::pair<int, QString> bands[] = {{5, "18 Mhz"},   {0, "1.8 Mhz"}, {-1, "Toutes"},
                                             {11, "432 Mhz"}, {12, "Toutes"}, {-7, "Toutes"}};
    for (const auto& [saved, text] : bands)
        EXPECT_EQ(geo::bandChoices().at(geo::savedBandChoice(saved)), text) << saved;
    const std::pair<int, QString> modes[] = {{0, "SSB"}, {1, "CW"}, {2, "FM"}, {-1, ""}, {3, ""}};
    for (const auto& [saved, text] : modes)
        EXPECT_EQ(geo::savedModeChoice(saved), text) << saved;
    EXPECT_EQ(geo::provinceBandChoices().at(5), "14 Mhz ");
}

TEST(GeoCount, LocateProvince) {
    const QStringList log = {qso("aq001"), qso("MB001"), qso("ZZ001")};
    struct Case {
        const char* code;
        int province;
        QStringList labels; // province, region, status
    };
    const Case cases[] = {
        {"AQ", 1, {"Province de  l'Aquila", "Région de Abruzzes", "Province contactée"}},
        {"MB",
         47,
         {"Province de  Monza non valide pour DCI", "Région de Lombardie", "Province contactée"}},
        {"FM",
         52,
         {"Province de Fermo non valide pour DCI", "Région de Marches", "Province non contactée"}},
        {"AO",
         110,
         {"Province de Vallée d'Aoste", "Région de Val d'Aoste", "Province non contactée"}},
        {"ZZ", 0, {"Province de  ", "Région de ", "Province contactée"}},
        {"aq", 0, {"Province de ", "Région de ", "Province non contactée"}},
    };
    for (const Case& c : cases) {
        const geo::Location where = geo::locateProvince(c.code, log);
        EXPECT_EQ(where.province, c.province) << c.code;
        EXPECT_EQ((QStringList{where.provinceLabel, where.regionLabel, where.statusLabel}),
                  c.labels);
        EXPECT_EQ(where.message.isEmpty(), c.province != 0) << c.code;
    }
    EXPECT_EQ(geo::locateProvince("ZZ", {}).message,
              "ZZ n'est pas une Province Italienne\n                gerée par DCI");
    EXPECT_EQ(geo::prefixLengthMessage("AQ"), "");
    for (const char* bad : {"", "A", "AQU"})
        EXPECT_EQ(geo::prefixLengthMessage(bad), "2 caracteres pour le Prefixe") << bad;
    const std::pair<QChar, QChar> typed[] = {{u'a', u'A'}, {u'z', u'Z'}, {u'Q', u'Q'},
                                             {u'1', u'1'}, {u'é', u'é'}, {u'{', u'{'}};
    for (const auto& [key, shown] : typed)
        EXPECT_EQ(geo::typedPrefixChar(key), shown);
}

TEST(GeoCount, MiniMapNames) {
    const std::tuple<QString, int, QString> cases[] = {{"MB001", 47, "Monza et Brianza"},
                                                       {"FM012", 52, "Fermo"},
                                                       {"AO001", 110, "Vallée d'Aoste"},
                                                       {"mb001", 0, ""},
                                                       {"XX001", 0, ""},
                                                       {"", 0, ""}};
    for (const auto& [reference, province, name] : cases) {
        EXPECT_EQ(geo::miniMapFor(reference).province, province) << reference.toStdString();
        EXPECT_EQ(geo::miniMapFor(reference).name, name) << reference.toStdString();
    }
}
