#include "entry_support.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

class MenuKeysTest : public MainTest {
protected:
    // Keys go to the open menu, as the window system sends them while a menu has the grab.
    static void toMenu(Qt::Key key) {
        QWidget* popup = QApplication::activePopupWidget();
        ASSERT_NE(popup, nullptr);
        QTest::keyClick(popup, key);
        QApplication::processEvents();
    }
};

TEST_F(MenuKeysTest, AltLetterOpensEachMenuFromAnyFieldAndTypesNothing) {
    setStation("F1ABC", {logLine("I1ABC", "CN001")});
    start();
    // A QSO being modified: every field of the entry can take the focus.
    doubleClickRow(0);
    const struct {
        Qt::Key letter;
        const char* menu;
        const char* caption;
        const char* field;
    } cases[] = {
        {Qt::Key_F, "Mnu_Fichier", "Fichier", "Ind_A"},
        {Qt::Key_S, "Mnu_Station", "Station", "Mode_A"},
        {Qt::Key_M, "Mnu_Imprimer", "Imprimer", "Bande_A"},
        {Qt::Key_E, "Mnu_Enregistre", "Enregistrer", "Prenom_A"},
        {Qt::Key_H, "Mnu_Affichage", "Afficher", "Rem_A"},
        {Qt::Key_C, "Mnu_Carte", "Carte", "Ind_A"},
        {Qt::Key_T, "Mnu_Provinces", "Statistiques", "Mode_A"},
        {Qt::Key_D, "Mnu_D_DCI", "Diplome DCI", "Bande_A"},
        {Qt::Key_L, "Mnu_D_DCLO", "Diplome DCLo", "Ref_A"},
        {Qt::Key_P, "Mnu_DCPC", "Diplome DCPC", "Ind_A"},
        {Qt::Key_I, "Mnu_IDCA", "Diplome IDCA", "Loc_A"},
        {Qt::Key_W, "Mnu_WAIS", "Diplome WAIS", "Mode_A"},
        {Qt::Key_A, "Mnu_aide", "Aide", "Date_A"},
    };
    for (const auto& c : cases) {
        auto* menu = main->findChild<QMenu*>(c.menu);
        ASSERT_NE(menu, nullptr) << c.menu;
        EXPECT_EQ(menu->title().remove(u'&'), c.caption);
        focusOn(c.field);
        const QString before = text(c.field);
        Keyboard::press(c.letter, Qt::AltModifier);
        EXPECT_EQ(QApplication::activePopupWidget(), menu) << c.menu;
        // Out of the menu, then out of the menu bar: back in the field.
        toMenu(Qt::Key_Escape);
        Keyboard::press(Qt::Key_Escape);
        EXPECT_EQ(focused(), w(c.field)) << c.field;
        EXPECT_EQ(text(c.field), before) << c.field;
    }
    // The menu bar's own entry, and a letter of no menu.
    EXPECT_EQ(w<QAction>("Mnu_Situer_P")->text().remove(u'&'), "Situer");
    focusOn("Rem_A");
    const QString castle = text("Rem_A");
    Keyboard::press(Qt::Key_B, Qt::AltModifier);
    Keyboard::press(Qt::Key_U, Qt::AltModifier);
    EXPECT_NE(topLevel("Situation"), nullptr);
    EXPECT_EQ(text("Rem_A"), castle);
}

TEST_F(MenuKeysTest, F10ThenArrowsAndEnterChooseAnEntry) {
    setStation("F1ABC");
    start();
    focusOn("Ind_A");
    Keyboard::press(Qt::Key_F10);
    EXPECT_EQ(QApplication::activePopupWidget(), main->findChild<QMenu*>("Mnu_Fichier"));
    toMenu(Qt::Key_Escape);
    Keyboard::press(Qt::Key_Escape);
    Keyboard::press(Qt::Key_A, Qt::AltModifier);
    // Historique, Mode d'emploi, A propos.
    toMenu(Qt::Key_Down);
    toMenu(Qt::Key_Down);
    toMenu(Qt::Key_Return);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].startsWith("ZELK_DCI Revision  1.2.2\n\n"));
    EXPECT_EQ(text("Ind_A"), "");
}
