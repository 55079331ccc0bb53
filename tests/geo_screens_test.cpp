#include "carte_acti_dci.h"
#include "carte_italie.h"
#include "geo_support.h"
#include "geoscreens.h"
#include "province_contacte.h"
#include "regions_contacte.h"
#include "screenslot.h"
#include "situation.h"

namespace {

template <class T, void (*entry)()> T* opened() {
    entry();
    return existingScreen<T>();
}

using GeoScreens = GeoScreenTest;

} // namespace

TEST_F(GeoScreens, ProvinceListOpensEmptyAndListsOnDemand) {
    StationCallsign() = "I1NOLOG";
    auto* screen = opened<Province_Contacte, openProvinceContacte>();
    EXPECT_EQ(text(screen, "Bande_A") + text(screen, "Mode_AX"), "ToutesSSB");
    press(screen, "Afficher");
    EXPECT_TRUE(lines(screen, "Provinces").isEmpty());
    setStation("I1TEST", {qso("RM001"), qso("MB001"), qso("to001"), qso("NA001", "20m")});
    press(screen, "Afficher");
    EXPECT_EQ(lines(screen, "Provinces"),
              (QStringList{"    Province NA  Naples", "    Province RM  Rome"}));
    show(screen, "Bande_A", "14 Mhz ");
    EXPECT_EQ(lines(screen, "Provinces"), QStringList{"    Province RM  Rome"});
    EXPECT_TRUE(dialogs.messages.isEmpty());
    openProvinceContacte();
    EXPECT_EQ(existingScreen<Province_Contacte>(), screen);
}

TEST_F(GeoScreens, RegionListFillsItselfAndAHiddenMapThatGoesWithIt) {
    setStation("I1TEST", {qso("MB001"), qso("fm001"), qso("RM001", "20m")});
    auto* screen = opened<Regions_Contacte, openRegionsContacte>();
    show(screen, "Bande_A", "");
    EXPECT_EQ(dialogs.messages, QStringList{"Selectionnez une bande"});
    EXPECT_EQ(existingScreen<Carte_Acti_DCI>(), nullptr);
    show(screen, "Bande_A", "Toutes");
    EXPECT_EQ(lines(screen, "Regions"),
              (QStringList{"    Region Latium", "    Region Lombardie", "    Region Marches"}));
    QPointer<Carte_Acti_DCI> map = existingScreen<Carte_Acti_DCI>();
    ASSERT_FALSE(map.isNull());
    EXPECT_FALSE(map->isVisible());
    EXPECT_EQ(worked(map, "Dep_"), (QStringList{" Latium", " Lombardie", "Marches"}));
    screen->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(map.isNull());
}

TEST_F(GeoScreens, MapsOpenOnTheSavedChoicesAndPaintWhatTheyCount) {
    setStation("I1TEST", {qso("AQ001"), qso("mb001"), qso("FM001", "18 Mhz"),
                          qso("NA001", "", "CW"), qso("TO001", "14 Mhz", "FM"), qso("XX001")});
    const std::tuple<int, int, QString, QString, QStringList, QStringList> cases[] = {
        {-1, 0, "Toutes", "SSB", {"AQ", "MB", "FM"}, {"Abruzzes", " Lombardie", "Marches"}},
        {5, 0, "18 Mhz", "SSB", {"FM"}, {"Marches"}},
        {-1, 2, "Toutes", "FM", {"TO"}, {" Piemont"}},
        {11, -1, "432 Mhz", "", {}, {}}};
    for (const auto& [band, mode, bandText, modeText, provinces, regions] : cases) {
        StationSettings::setBandIndex("I1TEST", band);
        StationSettings::setModeIndex("I1TEST", mode);
        auto* italie = opened<Carte_Italie, openCarteItalie>();
        auto* acti = opened<Carte_Acti_DCI, openCarteActiDci>();
        EXPECT_EQ(QStringList({text(italie, "Bande_AX"), text(italie, "Mode_A"),
                               text(acti, "Bande_A"), text(acti, "Mode_AX")}),
                  QStringList({bandText, modeText, bandText, modeText}));
        EXPECT_EQ(worked(italie, "Pro_"), provinces);
        EXPECT_EQ(text(italie, "NbPro"), QString::number(provinces.size()));
        EXPECT_EQ(worked(acti, "Dep_"), regions);
        EXPECT_EQ(text(acti, "NbReg"), QString::number(regions.size()));
        italie->close();
        acti->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // An empty band is no error on the map of provinces: it matches the QSOs without a band.
    auto* italie = opened<Carte_Italie, openCarteItalie>();
    child<QComboBox>(italie, "Mode_A")->setCurrentText("CW");
    show(italie, "Bande_AX", "");
    EXPECT_EQ(worked(italie, "Pro_"), QStringList{"NA"});
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(GeoScreens, LocatorShowsOneProvince) {
    setStation("I1TEST", {qso("aq001"), qso("MB001")});
    auto* screen = opened<Situation, openSituation>();
    const QStringList fermo{"Province de Fermo non valide pour DCI", "Région de Marches",
                            "Province non contactée", "FM"};
    const std::pair<const char*, QStringList> cases[] = {
        // Province, region, status, and the box shown.
        {"aq", {"Province de  l'Aquila", "Région de Abruzzes", "Province contactée", "AQ"}},
        {"FM", fermo},
        {"FMS", fermo}, // refused: the last province stays
        {"zz", {"Province de ", "Région de ", "Province non contactée"}},
    };
    for (const auto& [typed, shown] : cases) {
        EXPECT_EQ(Keyboard::focused(), child(screen, "Prefixe"));
        for (qsizetype n = text(screen, "Prefixe").size(); n > 0; --n)
            Keyboard::press(Qt::Key_Backspace);
        Keyboard::typeEnter(typed);
        EXPECT_EQ(text(screen, "Prefixe"), QString(typed).toUpper());
        EXPECT_EQ(QStringList(
                      {text(screen, "N_Prov"), text(screen, "N_Region"), text(screen, "Label2")}) +
                      worked(screen, "Pro_"),
                  shown)
            << typed;
    }
    EXPECT_EQ(dialogs.messages,
              (QStringList{"2 caracteres pour le Prefixe",
                           "ZZ n'est pas une Province Italienne\n                gerée par DCI"}));
}

TEST_F(GeoScreens, MiniMapShowsTheNewProvinceUntilContinue) {
    const std::tuple<QString, QString, QStringList> cases[] = {
        {"AO001", "Vallée d'Aoste", {"Shape1_110"}}, {"mb001", "", {}}};
    for (const auto& [reference, name, dots] : cases) {
        QPointer<QWidget> screen = openMiniCarte(reference);
        EXPECT_EQ(screen->windowTitle(), "Nouvelle Province");
        EXPECT_EQ(text(screen, "N_Pro"), name);
        EXPECT_EQ(worked(screen, "Shape1_"), dots) << reference.toStdString();
        EXPECT_EQ(Keyboard::focused(), child(screen, "Suite"));
        Keyboard::pressButton();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(screen.isNull());
    }
}

TEST_F(GeoScreens, EveryFieldIsSpokenByItsCaption) {
    for (void (*open)() : {openCarteItalie, openCarteActiDci, openSituation, openProvinceContacte,
                           openRegionsContacte})
        open();
    QStringList spoken;
    for (QWidget* top : QApplication::topLevelWidgets())
        for (QLabel* caption : top->findChildren<QLabel*>())
            if (QWidget* field = caption->buddy())
                spoken << field->objectName() + "=" + field->accessibleName();
    spoken.sort();
    EXPECT_EQ(spoken.join(", "), "Bande_A=Bande, Bande_A=Bande, Bande_A=Bande, Bande_AX=Bande, "
                                 "Mode_A=Mode, Mode_AX=Mode, Mode_AX=Mode, Mode_AX=Mode, "
                                 "Prefixe=Prefixe Province");
}
