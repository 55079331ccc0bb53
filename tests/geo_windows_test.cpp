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
#include <QLineEdit>

#include <functional>

namespace {

// The smallest common laptop screen, less a title bar.
constexpr QSize kScreen(1366, 740);

struct Window {
    const char* name;
    std::function<QWidget*()> open;
    // The map picture and its size, when the window has one.
    const char* picture;
    QSize pictureSize;
};

const std::vector<Window> kWindows = {
    {"Carte_Italie",
     [] {
         openCarteItalie();
         return existingScreen<Carte_Italie>();
     },
     "Carte", geo::kMapSize},
    {"Carte_Acti_DCI",
     [] {
         openCarteActiDci();
         return existingScreen<Carte_Acti_DCI>();
     },
     "Picture1", geo::kMapSize},
    {"Situation",
     [] {
         openSituation();
         return existingScreen<Situation>();
     },
     "Picture1", geo::kMapSize},
    {"Mini_Carte", [] { return openMiniCarte("MB001"); }, "Picture1", geo::kMiniMapSize},
    {"Province_Contacte",
     [] {
         openProvinceContacte();
         return existingScreen<Province_Contacte>();
     },
     nullptr,
     {}},
    {"Regions_Contacte",
     [] {
         openRegionsContacte();
         return existingScreen<Regions_Contacte>();
     },
     nullptr,
     {}},
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
            EXPECT_TRUE(screen->rect().contains(where))
                << window << " " << w->objectName().toStdString();
            EXPECT_GE(where.width(), w->minimumSizeHint().width())
                << window << " " << w->objectName().toStdString();
            EXPECT_GE(where.height(), w->minimumSizeHint().height())
                << window << " " << w->objectName().toStdString();
        }
    }
};

} // namespace

TEST_F(GeoWindows, EveryWindowFitsALaptopScreenWithEveryControlUsable) {
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

TEST_F(GeoWindows, EveryEntryFieldIsNamedByItsCaption) {
    struct Field {
        const char* window;
        const char* field;
        const char* caption;
        const char* name;
    };
    const std::vector<Field> fields = {
        {"Carte_Italie", "Bande_AX", "Label_Bande", "Bande"},
        {"Carte_Italie", "Mode_A", "Label_Mode", "Mode"},
        {"Carte_Acti_DCI", "Bande_A", "Label_Bande", "Bande"},
        {"Carte_Acti_DCI", "Mode_AX", "Label_Mode", "Mode"},
        {"Situation", "Prefixe", "Label_Prefixe", "Prefixe Province"},
        {"Province_Contacte", "Bande_A", "Label_Bande", "Bande"},
        {"Province_Contacte", "Mode_AX", "Label_Mode", "Mode"},
        {"Regions_Contacte", "Bande_A", "Label_Bande", "Bande"},
        {"Regions_Contacte", "Mode_AX", "Label_Mode", "Mode"},
    };
    for (const Window& window : kWindows) {
        QWidget* screen = window.open();
        for (const Field& f : fields) {
            if (QLatin1String(f.window) != QLatin1String(window.name))
                continue;
            auto* field = child<QWidget>(screen, f.field);
            auto* caption = child<QLabel>(screen, f.caption);
            EXPECT_EQ(caption->buddy(), field) << f.window << " " << f.field;
            QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(field);
            ASSERT_NE(spoken, nullptr) << f.field;
            EXPECT_EQ(field->accessibleName(), f.name) << f.window << " " << f.field;
            const auto labels = spoken->relations(QAccessible::Label);
            EXPECT_TRUE(std::any_of(labels.begin(), labels.end(),
                                    [&](const auto& r) { return r.first->object() == caption; }))
                << f.window << " " << f.field;
        }
        // No entry field or combo box of the window is left without a name.
        const auto entries = screen->findChildren<QWidget*>();
        for (QWidget* w : entries) {
            const bool entry =
                qobject_cast<QComboBox*>(w) ||
                (qobject_cast<QLineEdit*>(w) && !qobject_cast<QComboBox*>(w->parent()));
            if (entry) {
                EXPECT_FALSE(w->accessibleName().isEmpty())
                    << window.name << " " << w->objectName().toStdString();
            }
        }

        screen->close();
        discardClosed();
    }
}

TEST_F(GeoWindows, WorkedProvinceBoxesLieAboveTheOthers) {
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
    const auto topBox = [&] { return picture->childAt(overlap)->objectName(); };
    for (const auto& [mode, province] :
         {std::pair{"SSB", lower}, std::pair{"CW", upper}, std::pair{"SSB", lower}}) {
        choose(map, "Mode_A", mode);
        press(map);
        EXPECT_EQ(worked(map, "Pro_", 110), QStringList{ProvinceTable::code(province)});
        EXPECT_EQ(topBox(), QStringLiteral("Pro_%1").arg(province)) << mode;
    }
}
