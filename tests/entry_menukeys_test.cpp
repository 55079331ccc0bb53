#include "entry_support.h"

#include <QMenu>

// Keys go to the open menu, as the window system sends them while a menu has the grab.
static void toMenu(Qt::Key key) {
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    QTest::keyClick(popup, key);
    QApplication::processEvents();
}

using MenuKeysTest = MainTest;

TEST_F(MenuKeysTest, AltLetterOrF10OpensEachMenuFromAnyFieldAndTypesNothing) {
    setStation("F1ABC", {logLine("I1ABC", "CN001")});
    start();
    // A QSO being modified: every field of the entry can take the focus.
    doubleClickRow(0);
    const struct {
        Qt::Key key;
        const char* menu;
        const char* field;
    } cases[] = {
        {Qt::Key_F, "Mnu_Fichier", "Ind_A"},    {Qt::Key_S, "Mnu_Station", "Mode_A"},
        {Qt::Key_M, "Mnu_Imprimer", "Bande_A"}, {Qt::Key_E, "Mnu_Enregistre", "Prenom_A"},
        {Qt::Key_H, "Mnu_Affichage", "Rem_A"},  {Qt::Key_C, "Mnu_Carte", "Ind_A"},
        {Qt::Key_T, "Mnu_Provinces", "Mode_A"}, {Qt::Key_D, "Mnu_D_DCI", "Bande_A"},
        {Qt::Key_L, "Mnu_D_DCLO", "Ref_A"},     {Qt::Key_P, "Mnu_DCPC", "Ind_A"},
        {Qt::Key_I, "Mnu_IDCA", "Loc_A"},       {Qt::Key_W, "Mnu_WAIS", "Mode_A"},
        {Qt::Key_A, "Mnu_aide", "Date_A"},      {Qt::Key_F10, "Mnu_Fichier", "Heure_A"},
    };
    for (const auto& c : cases) {
        focusOn(c.field);
        const QString before = text(c.field);
        Keyboard::press(c.key, c.key == Qt::Key_F10 ? Qt::NoModifier : Qt::AltModifier);
        EXPECT_EQ(QApplication::activePopupWidget(), main->findChild<QMenu*>(c.menu)) << c.menu;
        // Out of the menu, then out of the menu bar: back in the field.
        toMenu(Qt::Key_Escape);
        Keyboard::press(Qt::Key_Escape);
        EXPECT_EQ(focused(), w(c.field)) << c.field;
        EXPECT_EQ(text(c.field), before) << c.field;
    }
    // The menu bar's own entry, after a letter of no menu.
    Keyboard::press(Qt::Key_B, Qt::AltModifier);
    Keyboard::press(Qt::Key_U, Qt::AltModifier);
    EXPECT_NE(topLevel("Situation"), nullptr);
    closeTopLevels();
    focusOn("Rem_A");
    // Arrows and Enter choose an entry: Historique, Mode d'emploi, A propos.
    Keyboard::press(Qt::Key_A, Qt::AltModifier);
    toMenu(Qt::Key_Down);
    toMenu(Qt::Key_Down);
    toMenu(Qt::Key_Return);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].startsWith("ZELK_DCI Revision  1.2.2\n\n"));
    EXPECT_TRUE(dialogs.messages[0].contains(QString::fromUtf8("GNU GPL version 3 ou ultérieure")));
}
