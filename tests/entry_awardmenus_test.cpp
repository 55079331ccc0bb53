#include "entry_support.h"

#include <QAction>

class AwardMenusTest : public MainTest {};

TEST_F(AwardMenusTest, MenuEntriesOpenTheDistrictAndLocatorScreens) {
    setStation("F_AB123", {logLine("IK1ABC", "AQ001", "05/12/26", "14:30", "SSB", "14 Mhz", true)});
    start();
    const struct {
        const char* entry;
        const char* screen;
        const char* title;
    } cases[] = {
        {"Mnu_Districts_IDCA", "Aff_Contacte_IDCA", "Districts contactés"},
        {"Mnu_Scores_IDCA", "Scores_IDCA", "Scores IDCA"},
        {"Mnu_Locators_WAIS", "Aff_Contacte_WAIS", "Locators DCI contactés"},
        {"Mnu_Scores_WAIS", "Scores_WAIS", "Locators DCI contactés"},
    };
    for (const auto& c : cases) {
        main->findChild<QAction*>(c.entry)->trigger();
        QWidget* screen = topLevel(c.screen);
        ASSERT_NE(screen, nullptr) << c.entry;
        EXPECT_EQ(screen->windowTitle(), QString::fromUtf8(c.title));
    }
    EXPECT_EQ(topLevel("Scores_IDCA")->findChild<QLabel*>("NB_Confirme")->text(), "1");
    EXPECT_EQ(topLevel("Scores_WAIS")->findChild<QLabel*>("NB_Confirme")->text(), "1");
    EXPECT_TRUE(dialogs.messages.isEmpty());
}
