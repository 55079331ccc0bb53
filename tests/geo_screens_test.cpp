#include "carte_acti_dci.h"
#include "carte_italie.h"
#include "geo_support.h"
#include "geolayout.h"
#include "geoscreens.h"
#include "province_contacte.h"
#include "provincetable.h"
#include "regions_contacte.h"
#include "screenslot.h"
#include "situation.h"

#include <QLayout>
#include <QLineEdit>

namespace {

template <class T, void (*entry)()> T* opened() {
    entry();
    return existingScreen<T>();
}

class GeoScreens : public GeoScreenTest {
protected:
    void saveChoices(int band, int mode) {
        StationSettings::setBandIndex(StationCallsign(), band);
        StationSettings::setModeIndex(StationCallsign(), mode);
    }
};

} // namespace

TEST_F(GeoScreens, ProvinceListOpensEmptyAndListsOnDemand) {
    StationCallsign() = "I1NOLOG";
    auto* screen = opened<Province_Contacte, openProvinceContacte>();
    EXPECT_EQ(screen->windowTitle(), "Provinces contactées");
    EXPECT_EQ(text(screen, "Bande_A") + text(screen, "Mode_AX"), "ToutesSSB");
    press(screen, "Afficher");
    EXPECT_TRUE(lines(screen, "Provinces").isEmpty());
    setStation("I1TEST",
               {qso("RM001"), qso("RM002"), qso("MB001"), qso("to001"), qso("NA001", "20m")});
    press(screen, "Afficher");
    EXPECT_EQ(lines(screen, "Provinces"),
              (QStringList{"    Province NA  Naples", "    Province RM  Rome"}));
    show(screen, "Bande_A", "14 Mhz ");
    EXPECT_EQ(lines(screen, "Provinces"), QStringList{"    Province RM  Rome"});
    EXPECT_TRUE(dialogs.messages.isEmpty());

    openProvinceContacte();
    EXPECT_EQ(existingScreen<Province_Contacte>(), screen);
    QPointer<QWidget> closed = screen;
    screen->close();
    discardClosed();
    EXPECT_TRUE(closed.isNull());
}

TEST_F(GeoScreens, RegionListFillsItselfAndAHiddenMapThatGoesWithIt) {
    setStation("I1TEST", {qso("MB001"), qso("fm001"), qso("RM001", "20m")});
    auto* screen = opened<Regions_Contacte, openRegionsContacte>();
    EXPECT_EQ(screen->windowTitle(), "Regions contactées");
    show(screen, "Bande_A", "");
    EXPECT_EQ(dialogs.messages, QStringList{"Selectionnez une bande"});
    EXPECT_EQ(existingScreen<Carte_Acti_DCI>(), nullptr);

    show(screen, "Bande_A", "Toutes");
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
    auto* map = opened<Carte_Italie, openCarteItalie>();
    EXPECT_EQ(map->windowTitle(), "Carte des provinces contactées");
    EXPECT_EQ(child<QLabel>(map, "Pro_1")->geometry(), QRect(312, 296, 25, 19));
    EXPECT_EQ(worked(map, "Pro_", 110), (QStringList{"AQ", "RM", "MB", "FM"}));
    EXPECT_EQ(text(map, "NbPro"), "4");
    // An empty band is no error here: it matches the QSOs whose band is blank.
    child<QComboBox>(map, "Mode_A")->setCurrentText("CW");
    show(map, "Bande_AX", "");
    EXPECT_EQ(worked(map, "Pro_", 110), QStringList{"NA"});
    EXPECT_EQ(text(map, "NbPro"), "1");
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(GeoScreens, SavedBandAndModeChooseTheOpeningSelection) {
    setStation("I1TEST", {qso("AQ001", "18 Mhz"), qso("RM001", "14 Mhz", "FM")});
    const std::tuple<int, int, QString, QString, QString> cases[] = {
        {5, 0, "18 Mhz", "SSB", "1"}, {11, -1, "432 Mhz", "", "0"}, {-1, 2, "Toutes", "FM", "1"}};
    for (const auto& [band, mode, bandText, modeText, count] : cases) {
        saveChoices(band, mode);
        auto* italie = opened<Carte_Italie, openCarteItalie>();
        auto* acti = opened<Carte_Acti_DCI, openCarteActiDci>();
        EXPECT_EQ(
            QStringList({text(italie, "Bande_AX"), text(italie, "Mode_A"), text(italie, "NbPro"),
                         text(acti, "Bande_A"), text(acti, "Mode_AX"), text(acti, "NbReg")}),
            QStringList({bandText, modeText, count, bandText, modeText, count}));
        italie->close();
        acti->close();
        discardClosed();
    }
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(GeoScreens, ActivityMapAndRegionListShareTheLastResult) {
    setStation("I1TEST", {qso("AQ001"), qso("PA001"), qso("TO001", "14 Mhz", "CW")});
    saveChoices(-1, 0);
    auto* map = opened<Carte_Acti_DCI, openCarteActiDci>();
    EXPECT_EQ(map->windowTitle(), "Carte des régions contactées");
    EXPECT_EQ(worked(map, "Dep_", 20), (QStringList{"Abruzzes", "Sicile"}));
    EXPECT_EQ(text(map, "NbReg"), "2");

    // Opened after the map, the region list already shows the map's result.
    auto* regions = opened<Regions_Contacte, openRegionsContacte>();
    EXPECT_EQ(lines(regions, "Regions"), (QStringList{"    Region Abruzzes", "    Region Sicile"}));
    show(regions, "Mode_AX", "CW");
    EXPECT_EQ(lines(regions, "Regions"), QStringList{"    Region Piemont"});
    EXPECT_EQ(worked(map, "Dep_", 20), QStringList{" Piemont"});
    EXPECT_EQ(text(map, "NbReg"), "2");

    show(map, "Bande_A", "");
    EXPECT_EQ(dialogs.messages, QStringList{"Selectionnez une bande"});
    EXPECT_EQ(worked(map, "Dep_", 20), QStringList{" Piemont"});
}

TEST_F(GeoScreens, LocatorShowsOneProvince) {
    setStation("I1TEST", {qso("aq001"), qso("MB001")});
    auto* screen = opened<Situation, openSituation>();
    EXPECT_EQ(screen->windowTitle(), "Situation d'une Province");
    EXPECT_EQ(Keyboard::focused(), child<QWidget>(screen, "Prefixe"));
    EXPECT_EQ(child<QWidget>(screen, "Pro_66")->pos(), QPoint(32, 136));
    const QStringList fermo{"Province de Fermo non valide pour DCI", "Région de Marches",
                            "Province non contactée"};
    const struct {
        const char* typed;
        QStringList labels; // province, region, status
        QStringList boxes;  // the codes shown, each green
    } cases[] = {
        {"aq", {"Province de  l'Aquila", "Région de Abruzzes", "Province contactée"}, {"AQ"}},
        {"FM", fermo, {"FM"}},
        {"FMS", fermo, {"FM"}}, // refused: the last province stays
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
        QStringList shown;
        for (int n = 1; n <= ProvinceTable::kCount; ++n) {
            auto* box = child<QLabel>(screen, QStringLiteral("Pro_%1").arg(n));
            if (!box->isHidden() && background(box) == Colours::kWorked)
                shown.append(box->text());
        }
        EXPECT_EQ(shown, c.boxes) << c.typed;
    }
    EXPECT_EQ(dialogs.messages,
              (QStringList{"2 caracteres pour le Prefixe",
                           "ZZ n'est pas une Province Italienne\n                gerée par DCI"}));
}

TEST_F(GeoScreens, MiniMapShowsTheNewProvinceUntilContinue) {
    const std::tuple<QString, QString, QStringList> cases[] = {
        {"MB001", "Monza et Brianza", {"47"}},
        {"AO001", "Vallée d'Aoste", {"110"}},
        {"mb001", "", {}}};
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
        EXPECT_EQ(Keyboard::focused(), child(screen, "Suite"));
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

TEST_F(GeoScreens, EveryWindowNamesItsFieldsAndKeepsItsControlsAtItsSmallestSize) {
    setStation("I1TEST", {qso("CO001"), qso("RM001")});
    const struct {
        QWidget* (*open)();
        const char* picture; // and its size, when the window has a map
        QSize pictureSize;
        QStringList fields; // entry field or combo, its caption label, its spoken name
    } windows[] = {
        {[]() -> QWidget* { return opened<Carte_Italie, openCarteItalie>(); },
         "Carte",
         geo::kMapSize,
         {"Bande_AX", "Label_Bande", "Bande", "Mode_A", "Label_Mode", "Mode"}},
        {[]() -> QWidget* { return opened<Carte_Acti_DCI, openCarteActiDci>(); },
         "Picture1",
         geo::kMapSize,
         {"Bande_A", "Label_Bande", "Bande", "Mode_AX", "Label_Mode", "Mode"}},
        {[]() -> QWidget* { return opened<Situation, openSituation>(); },
         "Picture1",
         geo::kMapSize,
         {"Prefixe", "Label_Prefixe", "Prefixe Province"}},
        {[] { return openMiniCarte("MB001"); }, "Picture1", geo::kMiniMapSize, {}},
        {[]() -> QWidget* { return opened<Province_Contacte, openProvinceContacte>(); },
         nullptr,
         {},
         {"Bande_A", "Label_Bande", "Bande", "Mode_AX", "Label_Mode", "Mode"}},
        {[]() -> QWidget* { return opened<Regions_Contacte, openRegionsContacte>(); },
         nullptr,
         {},
         {"Bande_A", "Label_Bande", "Bande", "Mode_AX", "Label_Mode", "Mode"}},
    };
    for (const auto& w : windows) {
        QWidget* screen = w.open();
        const std::string name = screen->objectName().toStdString();
        for (qsizetype i = 0; i + 2 < w.fields.size(); i += 3) {
            auto* field = child(screen, w.fields[i]);
            EXPECT_EQ(child<QLabel>(screen, w.fields[i + 1])->buddy(), field) << name;
            EXPECT_EQ(field->accessibleName(), w.fields[i + 2]) << name;
        }
        screen->resize(screen->minimumSize().expandedTo(screen->minimumSizeHint()));
        screen->layout()->activate();
        for (QWidget* c : screen->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (c->isWindow() || !c->isVisibleTo(screen))
                continue;
            const std::string what = name + " " + c->objectName().toStdString();
            EXPECT_TRUE(screen->rect().contains(c->geometry())) << what;
            EXPECT_TRUE(c->size().expandedTo(c->minimumSizeHint()) == c->size()) << what;
        }
        if (w.picture) {
            EXPECT_EQ(child<QLabel>(screen, w.picture)->size(), w.pictureSize) << name;
            EXPECT_EQ(child<QLabel>(screen, w.picture)->pixmap().size(), w.pictureSize) << name;
        }
        screen->close();
        discardClosed();
    }
}

TEST_F(GeoScreens, AWorkedBoxShowsItsColourTextAndFrameAboveTheOthers) {
    // Two boxes whose edges overlap: the worked one lies above.
    int lower = 0, upper = 0;
    for (int i = 1; i <= ProvinceTable::kCount && !lower; ++i)
        for (int j = i + 1; j <= ProvinceTable::kCount && !lower; ++j)
            if (geo::provinceBoxRect(i).intersects(geo::provinceBoxRect(j)))
                std::tie(lower, upper) = std::pair(i, j);
    ASSERT_NE(lower, 0);
    const QPoint overlap =
        geo::provinceBoxRect(lower).intersected(geo::provinceBoxRect(upper)).center();
    setStation("I1TEST", {qso(ProvinceTable::code(lower) + "001"),
                          qso(ProvinceTable::code(upper) + "001", "14 Mhz", "CW")});
    saveChoices(-1, 0);
    auto* map = opened<Carte_Italie, openCarteItalie>();
    const auto shown = [&](int province) {
        return child<QWidget>(map, QStringLiteral("Pro_%1").arg(province))->grab().toImage();
    };
    const QColor frame = map->palette().color(QPalette::WindowText);
    const int other = lower == 1 ? (upper == 2 ? 3 : 2) : 1;
    for (const auto& [mode, hit, idle] :
         {std::tuple{"SSB", lower, upper}, std::tuple{"CW", upper, lower},
          std::tuple{"SSB", lower, upper}}) {
        show(map, "Mode_A", mode);
        EXPECT_EQ(worked(map, "Pro_", 110), QStringList{ProvinceTable::code(hit)});
        EXPECT_EQ(child(map, "Carte")->childAt(overlap)->objectName(),
                  QStringLiteral("Pro_%1").arg(hit))
            << mode;
        const QImage on = shown(hit), off = shown(idle);
        EXPECT_EQ(on.pixelColor(2, 2), Colours::kWorked) << mode;
        EXPECT_EQ(on.pixelColor(0, 0), frame) << mode;
        EXPECT_EQ(off.pixelColor(on.width() - 1, on.height() - 1), frame) << mode;
        // Each box has its own text: its picture is not another box's.
        EXPECT_NE(off, shown(other)) << mode;
    }
}
