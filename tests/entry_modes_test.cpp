#include "entry_support.h"

namespace {

// A castle name of the full 60 columns.
const QString kFeb = "I1FEB        12                   AQ001 01/02/07 10:00 SSB 14 Mhz  59  59  "
                     "CASTELLO DI ROCCA CALASCIO SUL GRAN SASSO D'ITALIA AQUILA 60   JN61";
const QString kMar = "I1MAR        12                   RM001 01/03/07 10:00 CW  7.0 Mhz 59  59  "
                     "CASTELLO RM001                                               * JN61";
const QString kApr = "I1APR        12                   TO001 01/04/07 10:00 SSB 14 Mhz  59  59  "
                     "CASTELLO TO001                                                 JN61";

} // namespace

class ModesTest : public MainTest {
protected:
    // In the Insertion mode the reference leads to the district, and date and time are typed.
    void typeInsertedQso(const QString& callsign, const QString& date,
                         const QString& time = "08:00") {
        typeEnter(callsign);
        enter();
        typeEnter("AQ002");
        EXPECT_EQ(focused(), edit("Distr_A"));
        // The reset left two blanks in the district and locator.
        retype("5");
        enter();
        retype("JN62");
        enter();
        typeEnter(date);
        typeEnter(time);
        enterThroughTo();
    }
};

TEST_F(ModesTest, ClickShowsTheQsoReadOnly) {
    setStation("IK1ABC", {kFeb, kMar, kApr});
    start();
    clickRow(1);
    EXPECT_EQ(text("Mode_Aff"), "Affichage QSO");
    EXPECT_EQ(text("Ind_A"), "I1MAR");
    EXPECT_EQ(text("Ref_A"), "RM001");
    EXPECT_EQ(text("Date_A"), "01/03/07");
    EXPECT_EQ(text("Mode_A"), "CW");
    EXPECT_EQ(text("Bande_A"), "7.0 Mhz");
    EXPECT_EQ(text("Rem_A"), "CASTELLO RM001");
    EXPECT_TRUE(w<QCheckBox>("QSL_A")->isChecked());
    EXPECT_FALSE(edit("Ind_A")->isEnabled());
    EXPECT_FALSE(edit("Ref_A")->isEnabled());
    EXPECT_EQ(background(edit("Ind_A")), Colours::kPassed);
    EXPECT_TRUE(w("Annule_Saisie")->isEnabled());
    EXPECT_FALSE(w("Valide_A")->isEnabled());
}

TEST_F(ModesTest, ModifiedQsoKeepsItsPlaceItsTwinAndItsWholeCastleName) {
    setStation("IK1ABC", {kFeb, kMar, kApr, kFeb});
    start();
    doubleClickRow(1);
    EXPECT_EQ(text("Mode_Aff"), "Modification QSO");
    EXPECT_EQ(focused(), edit("Ind_A"));
    EXPECT_EQ(background(edit("Ind_A")), Colours::kCurrent);
    EXPECT_TRUE(edit("Date_A")->isEnabled());
    EXPECT_TRUE(w("Valide_A")->isEnabled());
    focusOn("Rem_A");
    retype("nouveau nom");
    click("Valide_A");
    // The second of two identical lines is the one modified.
    doubleClickRow(3);
    focusOn("RST_A");
    retype("44");
    click("Valide_A");
    EXPECT_EQ(log(),
              crlf({kFeb,
                    "I1MAR        12                   RM001 01/03/07 10:00 CW  7.0 Mhz 59  59  "
                    "NOUVEAU NOM                                                  * JN61",
                    kApr,
                    "I1FEB        12                   AQ001 01/02/07 10:00 SSB 14 Mhz  44  59  "
                    "CASTELLO DI ROCCA CALASCIO SUL GRAN SASSO D'ITALIA AQUILA 60   JN61"}));
    EXPECT_EQ(text("Mode_Aff"), "Saisie QSO");
}

TEST_F(ModesTest, DamagedLineCanBeEditedAndDeleted) {
    setStation("IK1ABC", {kFeb, "I1SHORT      1"});
    start();
    doubleClickRow(1);
    enter();
    click("Valide_A");
    // Every column is there again, blank.
    EXPECT_EQ(log(), crlf({kFeb, "I1SHORT      1" + QString(128, u' ')}));
    clickRow(1);
    click("Annule_Saisie");
    EXPECT_EQ(log(), crlf({kFeb}));
}

TEST_F(ModesTest, InsertionByDate) {
    setStation("IK1ABC", {kFeb, kMar});
    start();
    click("Ajout_QSO");
    EXPECT_EQ(text("Mode_Aff"), "Insertion QSO");
    // At the very minute of a QSO in the log: before it.
    typeInsertedQso("I1JAN", "01/02/07", "10:00");
    Keyboard::pressButton();
    // Mode and band as the start-up display of the last QSO left them; castle from the list.
    const QString jan =
        "I1JAN        5                    AQ002 01/02/07 10:00 CW  7.0 Mhz 59  59  "
        "ROCCA CALASCIO                                                 JN62";
    EXPECT_EQ(log(), crlf({jan, kFeb, kMar}));
    EXPECT_TRUE(rows()[0].startsWith("    1  I1JAN"));

    // From the Display mode the insertion leaves the shown QSO alone.
    clickRow(0);
    ASSERT_EQ(text("Mode_Aff"), "Affichage QSO");
    click("Ajout_QSO");
    EXPECT_EQ(text("Mode_Aff"), "Insertion QSO");
    EXPECT_EQ(text("Ind_A"), "");
    typeInsertedQso("I1MAY", "01/05/07");
    Keyboard::pressButton();
    const QByteArray bytes = log();
    EXPECT_TRUE(bytes.startsWith(crlf({jan, kFeb, kMar})));
    EXPECT_TRUE(bytes.mid(3 * 144).startsWith("I1MAY"));
}

TEST_F(ModesTest, InsertionRefusesADateItCannotRead) {
    setStation("IK1ABC", {kFeb});
    writeBytes("Liste_Prenom.txt", "I1FEB           ANNA\r\n");
    start();
    click("Ajout_QSO");
    typeInsertedQso("I1JAN", "15/01/07");
    // The date is changed without Enter, then the QSO is saved.
    focusOn("Date_A");
    retype("99/99/99");
    click("Valide_A");
    EXPECT_EQ(dialogs.messages, QStringList{"Le format de la date doit etre JJ/MM/AA"});
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_EQ(log(), crlf({kFeb}));
    EXPECT_EQ(readBytes("Liste_Prenom.txt"), "I1FEB           ANNA\r\n");
    EXPECT_EQ(text("Mode_Aff"), "Insertion QSO");
    EXPECT_EQ(text("Ind_A"), "I1JAN");
    EXPECT_EQ(text("Date_A"), "99/99/99");
}

TEST_F(ModesTest, DeletingTheSelectedQsoShowsTheNextOrStartsANewOne) {
    const struct {
        QStringList log;
        int row;
        bool modifying;
        QStringList after;
        const char* mode;
        const char* shown;
    } cases[] = {
        // One of two identical lines goes.
        {{kFeb, kFeb}, 1, false, {kFeb}, "Affichage QSO", "I1FEB"},
        {{kFeb, kMar, kApr}, 0, true, {kMar, kApr}, "Affichage QSO", "I1APR"},
        {{kFeb}, 0, false, {}, "Saisie QSO", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        delete main;
        setStation("IK1ABC", c.log);
        start();
        // A displayed QSO is refused first, then chosen again and accepted.
        dialogs.answers = {c.modifying};
        for (int attempt = c.modifying; attempt < 2; ++attempt) {
            c.modifying ? doubleClickRow(c.row) : clickRow(c.row);
            click("Annule_Saisie");
            EXPECT_EQ(log(), crlf(attempt ? c.after : c.log));
        }
        EXPECT_EQ(dialogs.questions,
                  QStringList(c.modifying ? 1 : 2, "Voulez vous Supprimer ce QSO ?"));
        EXPECT_EQ(text("Mode_Aff"), c.mode);
        EXPECT_EQ(text("Ind_A"), c.shown);
        EXPECT_FALSE(w("Annule_Saisie")->isEnabled());
        EXPECT_FALSE(w("Valide_A")->isEnabled());
        EXPECT_FALSE(edit("Ref_A")->isEnabled());
        EXPECT_TRUE(dialogs.messages.isEmpty());
        dialogs.questions.clear();
    }
    EXPECT_EQ(focused(), edit("Ind_A"));
    typeNewQso("I1NEW", "", "AQ001");
    Keyboard::pressButton();
    // The clock gives the date and time, not the deleted QSO.
    EXPECT_EQ(log().mid(34, 21), "AQ001 05/12/26 14:30 ");
}

TEST_F(ModesTest, DoubleClickOnAnEmptyList) {
    setStation("IK1ABC");
    start();
    auto* list = w<QTableView>("Liste_QSO");
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    QApplication::processEvents();
    EXPECT_EQ(dialogs.messages, QStringList{"Cliquez sur une ligne pour l'editer"});
    EXPECT_EQ(text("Mode_Aff"), "Saisie QSO");
}

TEST_F(ModesTest, EffaceReturnsToTheNewMode) {
    setStation("IK1ABC", {kFeb});
    start();
    doubleClickRow(0);
    click("Efface_A");
    EXPECT_EQ(text("Mode_Aff"), "Saisie QSO");
    EXPECT_EQ(text("Ind_A"), "");
    EXPECT_EQ(text("Distr_A"), "  ");
    EXPECT_EQ(text("Loc_A"), "  ");
    EXPECT_EQ(text("RSTE_A"), "59");
    EXPECT_FALSE(edit("Ref_A")->isEnabled());
    EXPECT_FALSE(w("Valide_A")->isEnabled());
    EXPECT_FALSE(w("Annule_Saisie")->isEnabled());
    EXPECT_EQ(background(edit("Ref_A")), Colours::kPassed);
    EXPECT_EQ(background(edit("Ind_A")), Colours::kCurrent);
    EXPECT_EQ(log(), crlf({kFeb}));
}

TEST_F(ModesTest, SavingWithoutALookUpAddsTheFirstNameOnce) {
    setStation("IK1ABC", {kFeb, kMar});
    writeBytes("Liste_Prenom.txt", "I1FEB           ANNA\r\n");
    start();
    for (int i = 0; i < 2; ++i) {
        doubleClickRow(1);
        focusOn("Prenom_A");
        retype("Carla");
        click("Valide_A");
    }
    EXPECT_EQ(readBytes("Liste_Prenom.txt"), "I1FEB           ANNA\r\nI1MAR           CARLA\r\n");
}
