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

#include <QAccessible>
#include <QLayout>

#include <array>

namespace {

// The smallest common laptop screen, less a title bar.
constexpr QSize kScreen(1366, 740);

template <class T, void (*entry)()> QWidget* opened() {
    entry();
    return existingScreen<T>();
}

struct Window {
    const char* name;
    QWidget* (*open)();
    // The map picture and its size, when the window has one.
    const char* picture;
    QSize pictureSize;
    // Entry fields and combo boxes: field, caption label, accessible name.
    std::vector<std::array<const char*, 3>> fields;
};

const std::vector<Window> kWindows = {
    {"Carte_Italie",
     opened<Carte_Italie, openCarteItalie>,
     "Carte",
     geo::kMapSize,
     {{"Bande_AX", "Label_Bande", "Bande"}, {"Mode_A", "Label_Mode", "Mode"}}},
    {"Carte_Acti_DCI",
     opened<Carte_Acti_DCI, openCarteActiDci>,
     "Picture1",
     geo::kMapSize,
     {{"Bande_A", "Label_Bande", "Bande"}, {"Mode_AX", "Label_Mode", "Mode"}}},
    {"Situation",
     opened<Situation, openSituation>,
     "Picture1",
     geo::kMapSize,
     {{"Prefixe", "Label_Prefixe", "Prefixe Province"}}},
    {"Mini_Carte", [] { return openMiniCarte("MB001"); }, "Picture1", geo::kMiniMapSize, {}},
    {"Province_Contacte",
     opened<Province_Contacte, openProvinceContacte>,
     nullptr,
     {},
     {{"Bande_A", "Label_Bande", "Bande"}, {"Mode_AX", "Label_Mode", "Mode"}}},
    {"Regions_Contacte",
     opened<Regions_Contacte, openRegionsContacte>,
     nullptr,
     {},
     {{"Bande_A", "Label_Bande", "Bande"}, {"Mode_AX", "Label_Mode", "Mode"}}},
};

bool fits(QSize size) {
    return size.width() <= kScreen.width() && size.height() <= kScreen.height();
}

class GeoWindows : public GeoScreenTest {
protected:
    void SetUp() override {
        GeoScreenTest::SetUp();
        setStation("I1TEST", {qso("CO001"), qso("RM001")});
    }

    // Every control of the window lies wholly inside it, with room to be used.
    static void expectControlsInside(QWidget* screen, const char* window) {
        for (QWidget* w : screen->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (w->isWindow() || !w->isVisibleTo(screen))
                continue;
            const QRect where = w->geometry();
            const std::string name = std::string(window) + " " + w->objectName().toStdString();
            EXPECT_TRUE(screen->rect().contains(where)) << name;
            EXPECT_GE(where.width(), w->minimumSizeHint().width()) << name;
            EXPECT_GE(where.height(), w->minimumSizeHint().height()) << name;
        }
    }
};

} // namespace

TEST_F(GeoWindows, EveryWindowFitsALaptopScreenAndNamesItsFields) {
    for (const Window& window : kWindows) {
        QWidget* screen = window.open();
        ASSERT_NE(screen, nullptr) << window.name;
        ASSERT_TRUE(screen->isVisible()) << window.name;
        const QSize minimum = screen->minimumSize().expandedTo(screen->minimumSizeHint());
        EXPECT_TRUE(fits(minimum))
            << window.name << " needs " << minimum.width() << " x " << minimum.height();
        EXPECT_TRUE(fits(screen->size()))
            << window.name << " opens at " << screen->width() << " x " << screen->height();
        expectControlsInside(screen, window.name);

        for (const auto& [fieldName, captionName, spokenName] : window.fields) {
            auto* field = child<QWidget>(screen, fieldName);
            auto* caption = child<QLabel>(screen, captionName);
            EXPECT_EQ(caption->buddy(), field) << window.name << " " << fieldName;
            EXPECT_EQ(field->accessibleName(), spokenName) << window.name << " " << fieldName;
            QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(field);
            ASSERT_NE(spoken, nullptr) << fieldName;
            const auto labels = spoken->relations(QAccessible::Label);
            EXPECT_TRUE(std::any_of(labels.begin(), labels.end(),
                                    [&](const auto& r) { return r.first->object() == caption; }))
                << window.name << " " << fieldName;
        }

        screen->resize(minimum);
        screen->layout()->activate();
        expectControlsInside(screen, window.name);
        if (window.picture) {
            auto* picture = child<QLabel>(screen, window.picture);
            EXPECT_EQ(picture->size(), window.pictureSize) << window.name;
            EXPECT_EQ(picture->pixmap().size(), window.pictureSize) << window.name;
        }
        screen->close();
        discardClosed();
    }
}

TEST_F(GeoWindows, WorkedBoxesShowTheirColourTextAndFrameAboveTheOthers) {
    // Two boxes whose edges overlap; when neither is worked, the later one lies above.
    int lower = 0, upper = 0;
    for (int i = 1; i <= ProvinceTable::kCount && !lower; ++i)
        for (int j = i + 1; j <= ProvinceTable::kCount && !lower; ++j)
            if (geo::provinceBoxRect(i).intersects(geo::provinceBoxRect(j))) {
                lower = i;
                upper = j;
            }
    ASSERT_NE(lower, 0);
    const QPoint overlap =
        geo::provinceBoxRect(lower).intersected(geo::provinceBoxRect(upper)).center();
    setStation("I1TEST", {qso(ProvinceTable::code(lower) + "001"),
                          qso(ProvinceTable::code(upper) + "001", "14 Mhz", "CW")});
    StationSettings::setBandIndex(StationCallsign(), -1);
    openCarteItalie();
    Carte_Italie* map = existingScreen<Carte_Italie>();
    auto* picture = child<QWidget>(map, "Carte");
    const auto shown = [&](int province) {
        return child<QWidget>(map, QStringLiteral("Pro_%1").arg(province))->grab().toImage();
    };
    const QColor frame = map->palette().color(QPalette::WindowText);
    int other = 1;
    while (other == lower || other == upper)
        ++other;
    for (const auto& [mode, hit, idle] :
         {std::tuple{"SSB", lower, upper}, std::tuple{"CW", upper, lower},
          std::tuple{"SSB", lower, upper}}) {
        choose(map, "Mode_A", mode);
        press(map);
        EXPECT_EQ(worked(map, "Pro_", 110), QStringList{ProvinceTable::code(hit)});
        EXPECT_EQ(picture->childAt(overlap)->objectName(), QStringLiteral("Pro_%1").arg(hit))
            << mode;
        const QImage on = shown(hit), off = shown(idle);
        EXPECT_EQ(on.pixelColor(2, 2), Colours::kWorked) << mode;
        EXPECT_EQ(off.pixelColor(2, 2), windowBackground()) << mode;
        EXPECT_EQ(on.pixelColor(0, 0), frame) << mode;
        EXPECT_EQ(off.pixelColor(on.width() - 1, on.height() - 1), frame) << mode;
        // Each box has its own text: its picture is not another box's.
        EXPECT_NE(off, shown(other)) << mode;
    }
}
