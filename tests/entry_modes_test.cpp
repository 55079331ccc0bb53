#include "entry_support.h"

#include "qsorecord.h"

namespace {

const QString kFeb = logLine("I1FEB", "AQ001", "01/02/07", "10:00");
const QString kMar = logLine("I1MAR", "RM001", "01/03/07", "10:00", "CW", "7.0 Mhz", true);
const QString kApr = logLine("I1APR", "TO001", "01/04/07", "10:00");

} // namespace

class ModesTest : public MainTest {
protected:
    QByteArray log() const { return readBytes("IK1ABC_DCI.log"); }
    // In the Insertion mode the reference leads to the district, and date and time are typed.
    void typeInsertedQso(const QString& callsign, const QString& date) {
        typeEnter("Ind_A", callsign);
        enter("Prenom_A");
        typeEnter("Ref_A", "AQ002");
        EXPECT_EQ(focused(), edit("Distr_A"));
        typeEnter("Distr_A", "5");
        typeEnter("Loc_A", "JN62");
        typeEnter("Date_A", date);
        typeEnter("Heure_A", "08:00");
        for (const char* f : {"Mode_A", "Bande_A", "RST_A", "RSTE_A", "Rem_A", "QSL_A"})
            enter(f);
    }
};

TEST_F(ModesTest, ClickShowsTheQsoReadOnly) {
    setStation("IK1ABC", {kFeb, kMar, kApr});
    start();
    main->selectRow(1);
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

TEST_F(ModesTest, ModifiedQsoKeepsItsPlace) {
    setStation("IK1ABC", {kFeb, kMar, kApr});
    start();
    doubleClickRow(1);
    EXPECT_EQ(text("Mode_Aff"), "Modification QSO");
    EXPECT_EQ(focused(), edit("Ind_A"));
    EXPECT_EQ(background(edit("Ind_A")), Colours::kCurrent);
    EXPECT_TRUE(edit("Date_A")->isEnabled());
    EXPECT_TRUE(w("Valide_A")->isEnabled());
    type("Rem_A", "nouveau nom");
    click("Valide_A");
    QsoRecord r = RecordFromListLine(ListLine(2, kMar));
    r.castleName = "NOUVEAU NOM";
    EXPECT_EQ(log(), crlf({kFeb, BuildLogLine(r), kApr}));
    EXPECT_EQ(text("Mode_Aff"), "Saisie QSO");
}

TEST_F(ModesTest, ModifyingOneOfTwoTwinsReplacesTheSelectedOne) {
    setStation("IK1ABC", {kFeb, kMar, kFeb});
    start();
    doubleClickRow(2);
    type("RST_A", "44");
    click("Valide_A");
    QsoRecord r = RecordFromListLine(ListLine(3, kFeb));
    r.rstReceived = "44";
    EXPECT_EQ(log(), crlf({kFeb, kMar, BuildLogLine(r)}));
}

TEST_F(ModesTest, DamagedLineCanBeEditedAndDeleted) {
    setStation("IK1ABC", {kFeb, "I1SHORT      1"});
    start();
    doubleClickRow(1);
    typeEnter("Ind_A", "I1SHORT");
    click("Valide_A");
    EXPECT_FALSE(log().contains("I1SHORT      1\r\n"));
    EXPECT_EQ(log().count("\r\n"), 2);
    main->selectRow(1);
    click("Annule_Saisie");
    EXPECT_EQ(log(), crlf({kFeb}));
}

TEST_F(ModesTest, InsertionByDateGoesFirst) {
    setStation("IK1ABC", {kFeb, kMar});
    start();
    click("Ajout_QSO");
    EXPECT_EQ(text("Mode_Aff"), "Insertion QSO");
    typeInsertedQso("I1JAN", "15/01/07");
    click("Valide_A");
    const QStringList lines = QString::fromLatin1(log()).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith("I1JAN        5    "));
    EXPECT_EQ(lines[0].mid(40, 14), "15/01/07 08:00");
    EXPECT_EQ(lines[1], kFeb);
    EXPECT_TRUE(rows()[0].startsWith("    1  I1JAN"));
}

TEST_F(ModesTest, InsertionWhileAQsoIsShownDoesNotReplaceIt) {
    setStation("IK1ABC", {kFeb, kMar});
    start();
    main->selectRow(0);
    ASSERT_EQ(text("Mode_Aff"), "Affichage QSO");
    click("Ajout_QSO");
    EXPECT_EQ(text("Mode_Aff"), "Insertion QSO");
    EXPECT_TRUE(edit("Ind_A")->isEnabled());
    EXPECT_EQ(text("Ind_A"), "");
    typeInsertedQso("I1NEW", "01/05/07");
    click("Valide_A");
    const QStringList lines = QString::fromLatin1(log()).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], kFeb);
    EXPECT_EQ(lines[1], kMar);
    EXPECT_TRUE(lines[2].startsWith("I1NEW"));
}

TEST_F(ModesTest, Deleting) {
    setStation("IK1ABC", {kFeb});
    start();
    dialogs.messages.clear();
    main->selectRow(0);
    dialogs.answers = {false};
    click("Annule_Saisie");
    EXPECT_EQ(dialogs.questions, QStringList{"Voulez vous Supprimer ce QSO ?"});
    EXPECT_EQ(log(), crlf({kFeb}));
    EXPECT_FALSE(w("Annule_Saisie")->isEnabled());
    main->selectRow(0);
    click("Annule_Saisie");
    EXPECT_EQ(log(), QByteArray());
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_TRUE(main->selectedListLine().isEmpty());
    EXPECT_FALSE(w("Annule_Saisie")->isEnabled());
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(ModesTest, DeletingOneOfTwoIdenticalLinesLeavesTheOther) {
    setStation("IK1ABC", {kFeb, kFeb});
    start();
    main->selectRow(1);
    click("Annule_Saisie");
    EXPECT_EQ(log(), crlf({kFeb}));
    ASSERT_EQ(rows().size(), 1);
    EXPECT_EQ(text("Mode_Aff"), "Affichage QSO");
    EXPECT_EQ(text("Ind_A"), "I1FEB");
}

TEST_F(ModesTest, DoubleClickOnAnEmptyList) {
    setStation("IK1ABC");
    start();
    auto* list = w<QListView>("Liste_QSO");
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    QApplication::processEvents();
    EXPECT_EQ(dialogs.messages, QStringList{"Cliquez sur une ligne pour l'editer"});
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
        type("Prenom_A", "Carla");
        click("Valide_A");
    }
    EXPECT_EQ(readBytes("Liste_Prenom.txt"), "I1FEB           ANNA\r\nI1MAR           CARLA\r\n");
}
