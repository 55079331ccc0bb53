#include "carte_italie.h"
#include "geo_support.h"
#include "geoscreens.h"
#include "provincetable.h"
#include "screenslot.h"

#include <QDir>

// Pictures of the maps for the documentation; written only when ZELK_GEO_SHOTS names a directory.
TEST_F(GeoScreenTest, Screenshots) {
    const QString out = qEnvironmentVariable("ZELK_GEO_SHOTS");
    if (out.isEmpty())
        GTEST_SKIP() << "ZELK_GEO_SHOTS is not set";
    ASSERT_TRUE(QDir().mkpath(out));

    QStringList log;
    for (int n = 1; n <= ProvinceTable::kCount; ++n)
        log.append(qso(ProvinceTable::code(n) + "001"));
    setStation("I1TEST", log);
    StationSettings::setBandIndex(StationCallsign(), -1);
    openCarteItalie();
    Carte_Italie* map = existingScreen<Carte_Italie>();
    ASSERT_EQ(text(map, "NbPro"), "110");
    EXPECT_TRUE(map->grab().save(QDir(out).filePath("carte_italie.png")));

    QWidget* mini = openMiniCarte("MB001");
    EXPECT_TRUE(mini->grab().save(QDir(out).filePath("mini_carte.png")));
}
