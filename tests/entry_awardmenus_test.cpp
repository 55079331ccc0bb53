#include "entry_support.h"

#include <QAction>

class AwardMenusTest : public MainTest {};

TEST_F(AwardMenusTest, EveryAwardEntryOpensItsWindow) {
    setStation("F1ABC", {logLine("I1ABC", "CN001", "05/12/26", "14:30", "SSB", "14 Mhz", true)});
    start();
    dialogs.messages.clear();
    const struct {
        const char* entry;
        const char* screen;
        const char* title;
    } cases[] = {
        {"Mnu_C_Contacte", "Aff_Contacte", "DCI Contactés"},
        {"Mnu_Liste_DCI", "Aff_Contacte", "DCI Contactés"},
        {"Mnu_Scores", "Scores", "Scores DCI"},
        {"Mnu_Reglement", "Reglement", "Règlement du Diplome des Chateaux Italiens"},
        {"Mnu_Provinces_DCLO", "Aff_Contacte_DCLO", "Chateaux contactés pour le diplome DCLo"},
        {"Mnu_Scores_DCLO", "Scores_DCLO", "Scores DCLo"},
        {"Mnu_Scores_DCPC", "Scores_DCPC", "Scores DCPC"},
        {"Mnu_Reglement_DCPC", "Reglement_DCPC",
         "Règlement du Diplome des Chateaux de la Province de Cueno"},
        {"Mnu_Districts_IDCA", "Aff_Contacte_IDCA", "Districts contactés"},
        {"Mnu_Scores_IDCA", "Scores_IDCA", "Scores IDCA"},
        {"Mnu_Locators_WAIS", "Aff_Contacte_WAIS", "Locators DCI contactés"},
        {"Mnu_Scores_WAIS", "Scores_WAIS", "Locators DCI contactés"},
    };
    for (const auto& c : cases) {
        auto* action = w<QAction>(c.entry);
        ASSERT_NE(action, nullptr);
        EXPECT_TRUE(action->isEnabled()) << c.entry;
        action->trigger();
        QApplication::processEvents();
        QWidget* screen = topLevel(c.screen);
        ASSERT_NE(screen, nullptr) << c.entry;
        EXPECT_EQ(screen->windowTitle(), QString::fromUtf8(c.title)) << c.entry;
        closeTopLevels();
    }
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(AwardMenusTest, TheEntriesNotBuiltOpenNothing) {
    setStation("F1ABC");
    start();
    const int before = int(QApplication::topLevelWidgets().size());
    for (const char* entry : {"Mnu_Reglement_DCLO", "Mnu_Reglement_IDCA", "Mnu_Titre_DCI",
                              "Mnu_Titre_DCLO", "Mnu_Titre_DCPC"})
        w<QAction>(entry)->trigger();
    QApplication::processEvents();
    EXPECT_EQ(int(QApplication::topLevelWidgets().size()), before);
}
