#include "carte_acti_dci.h"
#include "carte_italie.h"
#include "geo_support.h"
#include "geoscreens.h"
#include "province_contacte.h"
#include "provincetable.h"
#include "regions_contacte.h"
#include "screenslot.h"
#include "situation.h"

#include <QLineEdit>

namespace {

class GeoScreens : public GeoScreenTest {
protected:
    void saveChoices(int band, int mode) {
        StationSettings::setBandIndex(StationCallsign(), band);
        StationSettings::setModeIndex(StationCallsign(), mode);
    }
    template <class T> T* open(void (*entry)()) {
        entry();
        return existingScreen<T>();
    }
    // The codes of the locator's boxes shown, each checked green.
    QStringList shownBoxes(QWidget* screen) {
        QStringList codes;
        for (int n = 1; n <= ProvinceTable::kCount; ++n) {
            auto* box = child<QLabel>(screen, QStringLiteral("Pro_%1").arg(n));
            if (!box->isHidden() && background(box) == Colours::kWorked)
                codes.append(box->text());
        }
        return codes;
    }
};

} // namespace

TEST_F(GeoScreens, ProvinceListOpensEmptyAndListsOnDemand) {
    setStation("I1TEST",
               {qso("RM001"), qso("RM002"), qso("MB001"), qso("to001"), qso("NA001", "20m")});
    auto* screen = open<Province_Contacte>(openProvinceContacte);
    EXPECT_EQ(screen->windowTitle(), "Provinces contactées");
    EXPECT_EQ(child<QComboBox>(screen, "Bande_A")->currentText(), "Toutes");
    EXPECT_EQ(child<QComboBox>(screen, "Mode_AX")->currentText(), "SSB");
    EXPECT_TRUE(lines(screen, "Provinces").isEmpty());
    press(screen);
    EXPECT_EQ(lines(screen, "Provinces"),
              (QStringList{"    Province NA  Naples", "    Province RM  Rome"}));
    choose(screen, "Bande_A", "14 Mhz ");
    press(screen);
    EXPECT_EQ(lines(screen, "Provinces"), QStringList{"    Province RM  Rome"});

    openProvinceContacte();
    EXPECT_EQ(existingScreen<Province_Contacte>(), screen);
    QPointer<QWidget> closed = screen;
    screen->close();
    discardClosed();
    EXPECT_TRUE(closed.isNull());
}

TEST_F(GeoScreens, RegionListFillsItselfAndAHiddenMapThatGoesWithIt) {
    setStation("I1TEST", {qso("MB001"), qso("fm001"), qso("RM001", "20m")});
    auto* screen = open<Regions_Contacte>(openRegionsContacte);
    EXPECT_EQ(screen->windowTitle(), "Regions contactées");
    choose(screen, "Bande_A", "");
    press(screen);
    EXPECT_EQ(dialogs.messages, QStringList{"Selectionnez une bande"});
    EXPECT_EQ(existingScreen<Carte_Acti_DCI>(), nullptr);

    choose(screen, "Bande_A", "Toutes");
    press(screen);
    EXPECT_EQ(lines(screen, "Regions"),
              (QStringList{"    Region Latium", "    Region Lombardie", "    Region Marches"}));
    QPointer<Carte_Acti_DCI> map = existingScreen<Carte_Acti_DCI>();
    ASSERT_FALSE(map.isNull());
    EXPECT_FALSE(map->isVisible());
    EXPECT_EQ(worked(map, "Dep_", 20), (QStringList{" Latium", " Lombardie", "Marches"}));
    screen->close();
    discardClosed();
    EXPECT_TRUE(map.isNull());
}

TEST_F(GeoScreens, MapOfItalyPaintsAndCountsProvinces) {
    setStation("I1TEST", {qso("AQ001"), qso("AQ002"), qso("mb001"), qso("FM001"),
                          qso("RM001", "20m"), qso("NA001", "", "CW"), qso("XX001")});
    saveChoices(-1, 0);
    auto* map = open<Carte_Italie>(openCarteItalie);
    EXPECT_EQ(map->windowTitle(), "Carte des provinces contactées");
    EXPECT_EQ(child<QLabel>(map, "Pro_1")->geometry(), QRect(312, 296, 25, 19));
    EXPECT_EQ(worked(map, "Pro_", 110), (QStringList{"AQ", "RM", "MB", "FM"}));
    EXPECT_EQ(text(map, "NbPro"), "4");
    // An empty band is no error here: it matches the QSOs whose band is blank.
    choose(map, "Bande_AX", "");
    choose(map, "Mode_A", "CW");
    press(map);
    EXPECT_EQ(worked(map, "Pro_", 110), QStringList{"NA"});
    EXPECT_EQ(text(map, "NbPro"), "1");
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(GeoScreens, SavedBandAndModeChooseTheOpeningSelection) {
    setStation("I1TEST", {qso("AQ001", "18 Mhz"), qso("RM001", "14 Mhz", "FM")});
    const std::tuple<int, int, QString, QString, QString> cases[] = {{5, 0, "18 Mhz", "SSB", "1"},
                                                                     {0, 1, "1.8 Mhz", "CW", "0"},
                                                                     {11, -1, "432 Mhz", "", "0"},
                                                                     {-1, 2, "Toutes", "FM", "1"},
                                                                     {12, 7, "Toutes", "", "0"}};
    for (const auto& [band, mode, bandText, modeText, count] : cases) {
        saveChoices(band, mode);
        auto* italie = open<Carte_Italie>(openCarteItalie);
        auto* acti = open<Carte_Acti_DCI>(openCarteActiDci);
        EXPECT_EQ(child<QComboBox>(italie, "Bande_AX")->currentText(), bandText) << band;
        EXPECT_EQ(child<QComboBox>(italie, "Mode_A")->currentText(), modeText) << mode;
        EXPECT_EQ(child<QComboBox>(acti, "Bande_A")->currentText(), bandText) << band;
        EXPECT_EQ(child<QComboBox>(acti, "Mode_AX")->currentText(), modeText) << mode;
        EXPECT_EQ(text(italie, "NbPro"), count) << band << " " << mode;
        EXPECT_EQ(text(acti, "NbReg"), count) << band << " " << mode;
        italie->close();
        acti->close();
        discardClosed();
    }
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(GeoScreens, ActivityMapAndRegionListShareTheLastResult) {
    setStation("I1TEST", {qso("AQ001"), qso("PA001"), qso("TO001", "14 Mhz", "CW")});
    saveChoices(-1, 0);
    auto* map = open<Carte_Acti_DCI>(openCarteActiDci);
    EXPECT_EQ(map->windowTitle(), "Carte des régions contactées");
    EXPECT_EQ(worked(map, "Dep_", 20), (QStringList{"Abruzzes", "Sicile"}));
    EXPECT_EQ(text(map, "NbReg"), "2");

    // Opened after the map, the region list already shows the map's result.
    auto* regions = open<Regions_Contacte>(openRegionsContacte);
    EXPECT_EQ(lines(regions, "Regions"), (QStringList{"    Region Abruzzes", "    Region Sicile"}));
    choose(regions, "Mode_AX", "CW");
    press(regions);
    EXPECT_EQ(lines(regions, "Regions"), QStringList{"    Region Piemont"});
    EXPECT_EQ(worked(map, "Dep_", 20), QStringList{" Piemont"});
    EXPECT_EQ(text(map, "NbReg"), "2");

    choose(map, "Bande_A", "");
    press(map);
    EXPECT_EQ(dialogs.messages, QStringList{"Selectionnez une bande"});
    EXPECT_EQ(worked(map, "Dep_", 20), QStringList{" Piemont"});
}

TEST_F(GeoScreens, MissingLogShowsNothing) {
    StationCallsign() = "I1NOLOG";
    EXPECT_EQ(text(open<Carte_Italie>(openCarteItalie), "NbPro"), "0");
    EXPECT_EQ(text(open<Carte_Acti_DCI>(openCarteActiDci), "NbReg"), "0");
    auto* provinces = open<Province_Contacte>(openProvinceContacte);
    press(provinces);
    EXPECT_TRUE(lines(provinces, "Provinces").isEmpty());
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(GeoScreens, LocatorShowsOneProvince) {
    setStation("I1TEST", {qso("aq001"), qso("MB001")});
    auto* screen = open<Situation>(openSituation);
    EXPECT_EQ(screen->windowTitle(), "Situation d'une Province");
    EXPECT_EQ(Keyboard::focused(), child<QWidget>(screen, "Prefixe"));
    EXPECT_TRUE(shownBoxes(screen).isEmpty());
    EXPECT_EQ(child<QWidget>(screen, "Pro_66")->pos(), QPoint(32, 136));
    const QStringList aoste{"Province de Vallée d'Aoste", "Région de Val d'Aoste",
                            "Province non contactée"};
    const struct {
        const char* typed;
        QStringList labels; // province, region, status
        QStringList boxes;
    } cases[] = {
        {"aq", {"Province de  l'Aquila", "Région de Abruzzes", "Province contactée"}, {"AQ"}},
        {"MB",
         {"Province de  Monza non valide pour DCI", "Région de Lombardie", "Province contactée"},
         {"MB"}},
        {"AO", aoste, {"AO"}},
        {"AOS", aoste, {"AO"}}, // refused: the last province stays
        {"A", aoste, {"AO"}},
        {"FM",
         {"Province de Fermo non valide pour DCI", "Région de Marches", "Province non contactée"},
         {"FM"}},
        {"zz", {"Province de ", "Région de ", "Province non contactée"}, {}},
    };
    auto* prefixe = child<QLineEdit>(screen, "Prefixe");
    for (const auto& c : cases) {
        for (qsizetype n = prefixe->text().size(); n > 0; --n)
            Keyboard::press(Qt::Key_Backspace);
        Keyboard::typeEnter(c.typed);
        EXPECT_EQ(prefixe->text(), QString(c.typed).toUpper());
        EXPECT_EQ(
            (QStringList{text(screen, "N_Prov"), text(screen, "N_Region"), text(screen, "Label2")}),
            c.labels)
            << c.typed;
        EXPECT_EQ(shownBoxes(screen), c.boxes) << c.typed;
    }
    EXPECT_EQ(dialogs.messages,
              (QStringList{"2 caracteres pour le Prefixe", "2 caracteres pour le Prefixe",
                           "ZZ n'est pas une Province Italienne\n                gerée par DCI"}));
}

TEST_F(GeoScreens, MiniMapShowsTheNewProvinceUntilContinue) {
    const std::tuple<QString, QString, QStringList> cases[] = {
        {"MB001", "Monza et Brianza", {"47"}},
        {"FM123", "Fermo", {"52"}},
        {"AO001", "Vallée d'Aoste", {"110"}},
        {"mb001", "", {}},
        {"XX001", "", {}}};
    for (const auto& [reference, name, dots] : cases) {
        QPointer<QWidget> screen = openMiniCarte(reference);
        EXPECT_EQ(screen->windowTitle(), "Nouvelle Province");
        EXPECT_EQ(text(screen, "N_Pro"), name);
        QStringList shown;
        for (int n = 1; n <= ProvinceTable::kCount; ++n) {
            auto* dot = child<QWidget>(screen, QStringLiteral("Shape1_%1").arg(n));
            if (!dot->isHidden() && background(dot) == Colours::kWorked)
                shown.append(QString::number(n));
        }
        EXPECT_EQ(shown, dots) << reference.toStdString();
        EXPECT_EQ(Keyboard::focused(), child<QPushButton>(screen, "Suite"));
        Keyboard::pressButton();
        discardClosed();
        EXPECT_TRUE(screen.isNull());
    }
    // A round dot: green in the middle, the map in the corners of its square.
    QWidget* screen = openMiniCarte("AQ001");
    const QImage map = child<QWidget>(screen, "Picture1")->grab().toImage();
    EXPECT_EQ(child<QWidget>(screen, "Shape1_1")->geometry(), QRect(160, 152, 9, 9));
    EXPECT_EQ(map.pixelColor(164, 156), Colours::kWorked);
    EXPECT_NE(map.pixelColor(160, 152), Colours::kWorked);
}
