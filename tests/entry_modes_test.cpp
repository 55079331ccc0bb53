#include "entry_support.h"

#include "programdirectory.h"

#include <QDir>

#include <functional>

namespace {

// A castle name of the full 60 columns.
const QString kFeb = "I1FEB        12                   AQ001 01/02/07 10:00 SSB 14 Mhz  59  59  "
                     "CASTELLO DI ROCCA CALASCIO SUL GRAN SASSO D'ITALIA AQUILA 60   JN61";
const QString kMar = "I1MAR        12                   RM001 01/03/07 10:00 CW  7.0 Mhz 59  59  "
                     "CASTELLO RM001                                               * JN61";
const QString kApr = "I1APR        12                   TO001 01/04/07 10:00 SSB 14 Mhz  59  59  "
                     "CASTELLO TO001                                                 JN61";

} // namespace

using ModesTest = MainTest;

TEST_F(ModesTest, ClickShowsDoubleClickModifiesAndEffaceClears) {
    writeBytes("Liste_Prenom.txt", "I1FEB           ANNA\r\n");
    start({kFeb, kMar, kApr, kFeb});
    clickRow(1);
    EXPECT_EQ(mode(), "Affichage QSO ----+");
    EXPECT_EQ(text("Ind_A") + text("Ref_A") + text("Date_A") + text("Mode_A") + text("Bande_A") +
                  text("Rem_A"),
              "I1MARRM00101/03/07CW7.0 MhzCASTELLO RM001");
    EXPECT_TRUE(w<QCheckBox>("QSL_A")->isChecked());

    doubleClickRow(1);
    EXPECT_EQ(mode(), "Modification QSO +++++");
    EXPECT_EQ(focused(), w("Ind_A"));
    // Saved without a look-up, the first name still goes to the list.
    focusOn("Prenom_A");
    retype("Carla");
    focusOn("Rem_A");
    retype("nouveau nom");
    click("Valide_A");
    EXPECT_EQ(readBytes("Liste_Prenom.txt"), "I1FEB           ANNA\r\nI1MAR           CARLA\r\n");
    // The second of two identical lines is the one modified, its whole castle name kept.
    doubleClickRow(3);
    focusOn("RST_A");
    retype("44");
    click("Valide_A");
    EXPECT_EQ(log(),
              crlf({kFeb,
                    "I1MAR        12   CARLA           RM001 01/03/07 10:00 CW  7.0 Mhz 59  59  "
                    "NOUVEAU NOM                                                  * JN61",
                    kApr,
                    "I1FEB        12                   AQ001 01/02/07 10:00 SSB 14 Mhz  44  59  "
                    "CASTELLO DI ROCCA CALASCIO SUL GRAN SASSO D'ITALIA AQUILA 60   JN61"}));
    EXPECT_EQ(text("Mode_Aff"), "Saisie QSO");

    doubleClickRow(0);
    click("Efface_A");
    EXPECT_EQ(mode(), "Saisie QSO +----");
    EXPECT_EQ(text("Ind_A") + "|" + text("Distr_A") + "|" + text("RSTE_A"), "|  |59");
}

TEST_F(ModesTest, DamagedLineCanBeEdited) {
    start({kFeb, "I1SHORT      1"});
    doubleClickRow(1);
    enter();
    click("Valide_A");
    // Every column is there again, blank.
    EXPECT_EQ(log(), crlf({kFeb, "I1SHORT      1" + QString(128, u' ')}));
}

TEST_F(ModesTest, InsertionRefusesADateItCannotReadThenGoesByDate) {
    start({kFeb, kMar});
    // From the Display mode the insertion starts from empty fields.
    clickRow(0);
    click("Ajout_QSO");
    EXPECT_EQ(text("Mode_Aff"), "Insertion QSO");
    EXPECT_EQ(text("Ind_A"), "");
    typeEnter("I1JAN");
    enter();
    // The reference leads to the district, and date and time are typed.
    typeEnter("AQ002");
    EXPECT_EQ(focused(), w("Distr_A"));
    for (const char* typed : {"5", "JN62", "15/01/07", "10:00"}) {
        retype(typed);
        enter();
    }
    enterThroughTo();
    // The date is changed without Enter, then the QSO is saved.
    focusOn("Date_A");
    retype("99/99/99");
    click("Valide_A");
    EXPECT_EQ(dialogs.messages, QStringList{"Le format de la date doit etre JJ/MM/AA"});
    EXPECT_EQ(log(), crlf({kFeb, kMar}));
    EXPECT_EQ(text("Mode_Aff"), "Insertion QSO");
    // At the very minute of a QSO in the log: before it. Mode and band as the QSO shown last
    // left them; castle from the list.
    fill("Date_A", "01/02/07");
    enterThroughTo();
    Keyboard::pressButton();
    EXPECT_EQ(log(),
              crlf({"I1JAN        5                    AQ002 01/02/07 10:00 SSB 14 Mhz  59  "
                    "59  ROCCA CALASCIO                                                 JN62",
                    kFeb, kMar}));
}

TEST_F(ModesTest, DeletingTheSelectedQsoShowsTheNextOrStartsANewOne) {
    const struct {
        QStringList log;
        int row;
        bool modifying;
        QStringList after;
        const char* shown;
    } cases[] = {
        // One of two identical lines goes.
        {{kFeb, kFeb}, 1, false, {kFeb}, "I1FEB"},
        {{kFeb, "I1SHORT      1"}, 1, false, {kFeb}, "I1FEB"},
        {{kFeb, kMar, kApr}, 0, true, {kMar, kApr}, "I1APR"},
        {{kFeb}, 0, false, {}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        delete main;
        start(c.log);
        // A displayed QSO is refused first, then chosen again and accepted.
        dialogs.answers = {c.modifying};
        for (int attempt = c.modifying; attempt < 2; ++attempt) {
            c.modifying ? doubleClickRow(c.row) : clickRow(c.row);
            click("Annule_Saisie");
            EXPECT_EQ(log(), crlf(attempt ? c.after : c.log));
        }
        EXPECT_EQ(dialogs.questions,
                  QStringList(c.modifying ? 1 : 2, "Voulez vous Supprimer ce QSO ?"));
        EXPECT_EQ(mode(), c.after.isEmpty() ? "Saisie QSO +----" : "Affichage QSO -----");
        EXPECT_EQ(text("Ind_A"), c.shown);
        dialogs.questions.clear();
    }
    EXPECT_EQ(focused(), w("Ind_A"));
    // A double click on the list with no line.
    QTest::mouseDClick(w<QTableView>("Liste_QSO")->viewport(), Qt::LeftButton, {}, {10, 10});
    QApplication::processEvents();
    EXPECT_EQ(dialogs.messages, QStringList{"Cliquez sur une ligne pour l'editer"});
    EXPECT_EQ(text("Mode_Aff"), "Saisie QSO");
    focusOn("Ind_A");
    typeNewQso("I1NEW", "", "AQ001");
    Keyboard::pressButton();
    // The clock gives the date and time, not the deleted QSO.
    EXPECT_EQ(log().mid(34, 21), "AQ001 05/12/26 14:30 ");
}

TEST_F(ModesTest, EveryWriteOnAFullDiskShowsWhyAndChangesNoFile) {
    const QString log = "IK1ABC_DCI.log";
    const struct {
        const char* write;
        QString file; // the file written, whose present size the room adds to
        int room;     // bytes that fit past that size
        std::function<void()> act;
    } writes[] = {
        {"append", log, 50, [&] { typeNewQso("I1NEW", "", "AQ002"), Keyboard::pressButton(); }},
        {"replace", log, -50,
         [&] { doubleClickRow(1), fill("Rem_A", "nouveau nom"), click("Valide_A"); }},
        // The QSO rewritten as it was: only the new first name needs room.
        {"first-name list", "Liste_Prenom.txt", 5, [&] { doubleClickRow(0), click("Valide_A"); }},
        {"contacted-castles report", "Chateaux_Contacte_IK1ABC_05_12_26.txt", 100,
         [&] { trigger("Mnu_Enr_Contacte"); }},
    };
    for (const auto& w : writes) {
        SCOPED_TRACE(w.write);
        delete main;
        QDir(ProgramDirectory::path()).removeRecursively();
        ASSERT_TRUE(ProgramDirectory::prepare());
        // Longer than the log, so that the log's rewrite fits where the list's does not.
        writeBytes("Liste_Prenom.txt", QByteArray("I2ABC           ANNA\r\n").repeated(40));
        start({kFeb, kMar, kApr});
        const QMap<QString, QByteArray> before = files();
        dialogs.messages.clear();
        {
            RecordingFileSystem full;
            full.room = before.value(w.file).size() + w.room;
            w.act();
        }
        const QString logTail = QString::fromUtf8(", il n'a pas été modifié.");
        EXPECT_EQ(dialogs.messages, QStringList{"Impossible d'enregistrer le fichier " + w.file +
                                                (w.file == log ? logTail : QString())});
        EXPECT_TRUE(files() == before);
    }
}
