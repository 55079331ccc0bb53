#include "aff_contacte.h"
#include "carte_italie.h"
#include "awardwindows.h"
#include "geo_support.h"
#include "geoscreens.h"
#include "main.h"
#include "provincetable.h"
#include "screenslot.h"

#include <QDir>

// The pictures of the README and of the user guide, made offscreen from the program's own screens
// so that they follow them. Run by hand, not a test:
//   ZELK_GEO_SHOTS=docs QT_QPA_PLATFORM=offscreen build/test/tests/zelk_screenshots
// The README's pictures: the map of a log that works every province, and the mini map.
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

// The pictures of the user guide: Main in the middle of a QSO, the DCI list, the DCI score and
// the map of the provinces, over a small log of real castles.
TEST_F(GeoScreenTest, GuideScreenshots) {
    const QString out = qEnvironmentVariable("ZELK_GEO_SHOTS");
    if (out.isEmpty())
        GTEST_SKIP() << "ZELK_GEO_SHOTS is not set";
    const QString guide = QDir(out).filePath("guide");
    ASSERT_TRUE(QDir().mkpath(guide));

    const struct {
        const char *call, *name, *ref, *castle, *district, *locator, *date, *time, *mode, *band;
        bool qsl;
    } qsos[] = {
        {"IK1ABC", "MARCO", "AO001", "CASTELLO DI FENIS", "228", "JN35", "12/11/26", "09:14", "SSB",
         "7.0 Mhz", true},
        {"IZ2DEF", "LUCA", "BG001", "ROCCA DI BERGAMO", "14", "JN45", "12/11/26", "10:02", "SSB",
         "14 Mhz", true},
        {"I3GHI", "", "CN001", "CASTELLO DI SALUZZO", "131", "JN34", "20/11/26", "15:40", "CW",
         "14 Mhz", false},
        {"IW5JKL", "PAOLO", "FI001", "CASTELLO DI VINCIGLIATA", "57", "JN53", "28/11/26", "08:31",
         "SSB", "7.0 Mhz", true},
        {"IT9MNO", "SALVO", "AG001", "CASTELLO CHIARAMONTANO DI NARO", "171", "JM67", "05/12/26",
         "13:55", "SSB", "21 Mhz", false},
    };
    QStringList log;
    for (const auto& q : qsos) {
        QsoRecord r = sampleQso(q.call, q.ref, q.date, q.time, q.mode, q.band, q.qsl);
        r.firstName = q.name;
        r.castleName = q.castle;
        r.district = q.district;
        r.locator = q.locator;
        log.append(BuildLogLine(r));
    }
    setStation("F1ABC", log);
    const auto save = [&](QWidget* window, const char* name) {
        QApplication::processEvents();
        EXPECT_TRUE(window->grab().save(QDir(guide).filePath(name))) << name;
    };

    auto* main = new Main;
    main->show();
    QApplication::setActiveWindow(main);
    Keyboard::typeEnter("ik4pqr");
    Keyboard::typeEnter("anna");
    Keyboard::type("AO00");
    save(main, "main.png");
    main->close();

    save(openAffContacte(), "liste.png");
    openScores();
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->objectName() == "Scores")
            save(top, "scores.png");
    openCarteItalie();
    save(existingScreen<Carte_Italie>(), "carte.png");
}
