#include "entry_support.h"

#include <QAction>
#include <QMenu>
#include <QStringListModel>

namespace {

class CastleMenuTest : public MainTest {
protected:
    // Picks the entry of the menu of Main, as the operator does.
    QWidget* pick(const char* entry, const char* screen) {
        auto* action = main->findChild<QAction*>(QString::fromLatin1(entry));
        EXPECT_NE(action, nullptr) << entry;
        if (!action)
            return nullptr;
        EXPECT_TRUE(action->isEnabled()) << entry;
        action->trigger();
        QApplication::processEvents();
        QWidget* opened = topLevel(screen);
        EXPECT_NE(opened, nullptr) << entry;
        return opened;
    }
    static QString label(QWidget* screen, const char* name) {
        auto* l = screen->findChild<QLabel*>(QString::fromLatin1(name));
        return l ? l->text() : QStringLiteral("<missing>");
    }
    static int rows(QWidget* screen, const char* list) {
        auto* view = screen->findChild<QListView*>(QString::fromLatin1(list));
        return view ? view->model()->rowCount() : -1;
    }
};

} // namespace

TEST_F(CastleMenuTest, EveryCastleAwardEntryOpensItsScreen) {
    setStation("F1ABC", {logLine("I1ABC", "CN001", "05/12/26", "14:30", "SSB", "14 Mhz", true),
                         logLine("I1ABC", "MI001")});
    start();
    dialogs.messages.clear();

    struct Case {
        const char* entry;
        const char* screen;
        const char* title;
        const char* labelName;
        const char* labelText;
        const char* listName;
        int rows;
    };
    const Case cases[] = {
        {"Mnu_C_Contacte", "Aff_Contacte", "DCI Contactés", "Label3", "Chateaux Italiens",
         "Liste_QSO_Contacte", 2},
        {"Mnu_Liste_DCI", "Aff_Contacte", "DCI Contactés", "Nb_C", "2", "Liste_QSO_Contacte", 2},
        {"Mnu_Scores", "Scores", "Scores DCI", "Nb_Cuneo", "1", "Liste_Regions", 21},
        {"Mnu_Reglement", "Reglement", "Règlement du Diplome des Chateaux Italiens", "Label2",
         "Règlement du diplome DCI", "Reglement_DCI", 111},
        {"Mnu_Provinces_DCLO", "Aff_Contacte_DCLO", "Chateaux contactés pour le diplome DCLo",
         "Label3", "Chateaux de Lombardie", "Liste_QSO_Contacte", 2},
        {"Mnu_Scores_DCLO", "Scores_DCLO", "Scores DCLo", "Label8", "des Chateaux de Lombardie",
         "Liste_Regions", 12},
        {"Mnu_Scores_DCPC", "Scores_DCPC", "Scores DCPC", "NB_Chateaux", "1", "Liste_Chateaux", 2},
        {"Mnu_Reglement_DCPC", "Reglement_DCPC",
         "Règlement du Diplome des Chateaux de la Province de Cueno", "Label2",
         "Règlement du diplome  DCPC", "Reglement_DCI", 80},
    };
    for (const Case& c : cases) {
        QWidget* screen = pick(c.entry, c.screen);
        if (!screen)
            continue;
        EXPECT_EQ(screen->windowTitle(), QString::fromUtf8(c.title)) << c.entry;
        EXPECT_EQ(label(screen, c.labelName), QString::fromUtf8(c.labelText)) << c.entry;
        EXPECT_EQ(rows(screen, c.listName), c.rows) << c.entry;
        closeTopLevels();
    }
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(CastleMenuTest, RulesOfDcloAndIdcaOpenNothing) {
    setStation("F1ABC");
    start();
    const int before = int(QApplication::topLevelWidgets().size());
    for (const char* entry : {"Mnu_Reglement_DCLO", "Mnu_Reglement_IDCA", "Mnu_Titre_DCI",
                              "Mnu_Titre_DCLO", "Mnu_Titre_DCPC"})
        main->findChild<QAction*>(QString::fromLatin1(entry))->trigger();
    QApplication::processEvents();
    EXPECT_EQ(int(QApplication::topLevelWidgets().size()), before);
}
