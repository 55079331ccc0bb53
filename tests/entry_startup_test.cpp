#include "entry_support.h"

#include "entryrules.h"
#include "stationsettings.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QSettings>

#include <sys/stat.h>

namespace {

QString setting(const QString& key) {
    QSettings s(QSettings::IniFormat, QSettings::UserScope, "ZELK", "DCI");
    return s.value(key).toString();
}

} // namespace

class StartupTest : public MainTest {
protected:
    QWidget* openStation() {
        main->findChild<QAction*>("Mnu_New_Indicatif")->trigger();
        QApplication::processEvents();
        return topLevel("Station");
    }
    // Types the callsign in the Station screen and validates it with Enter on its button.
    void typeStation(const QString& typed) {
        QWidget* station = openStation();
        ASSERT_NE(station, nullptr);
        Keyboard::clickInto(station->findChild<QLineEdit*>("New_Indicatif"));
        retype(typed);
        enter();
        Keyboard::pressButton();
    }
};

TEST_F(StartupTest, FirstStartAsksForAStationAndReadsNoLog) {
    start();
    EXPECT_EQ(dialogs.messages,
              QStringList{"\n         Premiere installation, vous devez entrer votre "
                          "Indicatif\n\nPour cela dans la barre des menus allez dans Station "
                          "puis Nouvel Indicatif."});
    EXPECT_EQ(main->windowTitle(), "  ZELK_DCI    Revision  1.2.2");
    EXPECT_EQ(text("I_Station"), "FXXXX");
    EXPECT_EQ(text("Mode_Aff"), "Saisie QSO");
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_EQ(setting("Setup /Chemin Repertoire"), path(""));
    EXPECT_EQ(setting("Setup FXXXX/Revision"), " 1.2.2");
    EXPECT_FALSE(QFile::exists(path("FXXXX_DCI.log")));

    // Every key in the callsign field brings the message back; the key still reaches it.
    dialogs.messages.clear();
    type("ab");
    EXPECT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(text("Ind_A"), "ab");
}

TEST_F(StartupTest, SettingAStationCreatesItsLogAndSettings) {
    start();
    QWidget* station = openStation();
    ASSERT_NE(station, nullptr);
    EXPECT_EQ(station->windowTitle(), "Selection Indicaif");
    QLineEdit* field = station->findChild<QLineEdit*>("New_Indicatif");
    EXPECT_EQ(background(field), Colours::kCurrent);
    EXPECT_EQ(focused(), field);
    type("f/ab123");
    EXPECT_EQ(field->text(), "F_AB123");
    enter();
    EXPECT_EQ(background(field), Colours::kWhite);
    EXPECT_EQ(focused()->objectName(), "Validation");
    Keyboard::pressButton();

    EXPECT_EQ(topLevel("Station"), nullptr);
    EXPECT_TRUE(QFile::exists(path("F_AB123_DCI.log")));
    EXPECT_EQ(readBytes("F_AB123_DCI.log"), QByteArray());
    EXPECT_EQ(setting("Setup /Indicatif Station"), "F_AB123");
    EXPECT_EQ(setting("Setup F_AB123/bande Utilisee"), "0");
    EXPECT_EQ(setting("Setup F_AB123/Mode Utilise"), "0");
    EXPECT_EQ(text("I_Station"), "F/AB123");
    EXPECT_EQ(StationCallsign(), "F_AB123");

    // Starting again loads that log, without the first-installation message.
    delete main;
    dialogs.messages.clear();
    writeBytes("F_AB123_DCI.log", (logLine("IK1ABC", "AQ001") + "\r\n").toLatin1());
    start();
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(text("I_Station"), "F_AB123");
    ASSERT_EQ(rows().size(), 1);
    EXPECT_TRUE(rows()[0].startsWith("    1  IK1ABC"));
}

TEST_F(StartupTest, RefusedCallsignsLeaveThePreviousStationATwelveCharacterOneIsTaken) {
    setStation("F_OLD", {logLine("IK1ABC", "AQ001")});
    writeBytes("F_LOCK_DCI.log", "kept\r\n");
    writeBytes("ABCDEFGHIJKL_DCI.log", crlf({logLine("IK1ABC", "AQ001"), logLine("I1X", "AQ002")}));
    StationSettings::setBandIndex("ABCDEFGHIJKL", 4);
    StationSettings::setModeIndex("ABCDEFGHIJKL", 1);
    QFile::remove(path("FXXXX.txt"));
    start();
    const struct {
        const char* typed;
        const char* message;
        const char* fieldAfter;
    } cases[] = {
        {"", "Vous devez entrer un indicatif", ""},
        // The value that means no station is no station's callsign.
        {"fxxxx", "Vous devez entrer un indicatif", "FXXXX"},
        {"ABCDEFGHIJKLM", "12 caracteres maximum pour l'indicatif", "ABCDEFGHIJKLM"},
        {"F-AB1", "L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' ",
         ""},
        {"FÉ1", "L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' ", ""},
        // A log that is there but cannot be read is never replaced by the template.
        {"F_LOCK", "Impossible de lire le fichier F_LOCK_DCI.log", "F_LOCK"},
        // Nor is one that is no regular file: no wait for a writer, no endless read.
        {"F_FIFO", "Impossible de lire le fichier F_FIFO_DCI.log", "F_FIFO"},
        {"F_ZERO", "Impossible de lire le fichier F_ZERO_DCI.log", "F_ZERO"},
        // A new log is made from the template, which is missing.
        {"F1AA", "Impossible de créer le fichier F1AA_DCI.log à partir du modèle FXXXX.txt",
         "F1AA"},
    };
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("F_FIFO_DCI.log")), 0600), 0);
    ASSERT_TRUE(QFile::link("/dev/zero", path("F_ZERO_DCI.log")));
    QFile::setPermissions(path("F_LOCK_DCI.log"), {});
    const PermissionsEnforced enforced;
    for (const auto& c : cases) {
        dialogs.messages.clear();
        typeStation(QString::fromUtf8(c.typed));
        EXPECT_EQ(dialogs.messages, QStringList{QString::fromUtf8(c.message)}) << c.typed;
        QWidget* station = topLevel("Station");
        ASSERT_NE(station, nullptr) << c.typed;
        EXPECT_EQ(station->findChild<QLineEdit*>("New_Indicatif")->text(),
                  QString::fromUtf8(c.fieldAfter));
        EXPECT_EQ(StationCallsign(), "F_OLD");
        EXPECT_EQ(text("I_Station"), "F_OLD");
        EXPECT_EQ(rows().size(), 1);
    }
    EXPECT_EQ(setting("Setup /Indicatif Station"), "F_OLD");
    EXPECT_FALSE(QFile::exists(path("F1AA_DCI.log")));
    QFile::setPermissions(path("F_LOCK_DCI.log"), QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(readBytes("F_LOCK_DCI.log"), "kept\r\n");

    typeStation("ABCDEFGHIJKL");
    EXPECT_EQ(StationCallsign(), "ABCDEFGHIJKL");
    EXPECT_EQ(rows().size(), 2);
    EXPECT_EQ(setting("Setup ABCDEFGHIJKL/bande Utilisee"), "4");
    EXPECT_EQ(text("Bande_A"), "14 Mhz");
    EXPECT_EQ(text("Mode_A"), "CW");
    // The keyboard is back on the entry.
    EXPECT_EQ(focused(), edit("Ind_A"));
}

TEST_F(StartupTest, StoredCallsignWithoutItsLogMeansNoStationAndNoFileIsMade) {
    const struct {
        const char* stored;
        const char* shown;
        QString message;
    } cases[] = {
        {"../x", "FXXXX", EntryRules::kFirstInstallation},
        {"a/b", "FXXXX", EntryRules::kFirstInstallation},
        {"", "FXXXX", EntryRules::kFirstInstallation},
        {"ABCDEFGHIJKLM", "FXXXX", EntryRules::kFirstInstallation},
        {"ik1abc", "FXXXX", EntryRules::kFirstInstallation},
        {"F_GONE", "F_GONE", "Impossible de lire le fichier F_GONE_DCI.log"},
    };
    for (const auto& c : cases) {
        StationSettings::setStationCallsign(QString::fromLatin1(c.stored));
        dialogs.messages.clear();
        start();
        EXPECT_EQ(text("I_Station"), c.shown) << c.stored;
        EXPECT_EQ(dialogs.messages, QStringList{c.message}) << c.stored;
        delete main;
        main = nullptr;
    }
    EXPECT_EQ(dirEntries(), QStringList({"FXXXX.txt", "Liste_Chateau.txt", "Liste_Prenom.txt"}));
    EXPECT_FALSE(QFile::exists(dir.filePath("x_DCI.log")));
}

TEST_F(StartupTest, CaptionsMenusAndMessages) {
    setStation("F_AB123");
    writeBytes("Liste_Chateau.txt", "AQ001 X\r\n***** EX-001 06/12/2026\r\n");
    start();
    EXPECT_EQ(text("Label_Station"), "INDICATIF DE LA STATION  : ");
    EXPECT_EQ(w<QPushButton>("Valide_A")->text(), "Valider le QSO");
    EXPECT_EQ(w<QPushButton>("QSL")->text(), "Gestion des QSL");
    EXPECT_EQ(main->findChild<QAction*>("Mnu_Rev_Liste_Chateau")->text(),
              "Revision du fichier\" Liste_Chateau.txt\"");

    main->findChild<QAction*>("Mnu_Historique")->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1);
    const QStringList history = dialogs.messages[0].split('\n');
    ASSERT_EQ(history.size(), 15);
    EXPECT_EQ(history[0], "V1.0.0   le 24/07/2006 creation");
    EXPECT_EQ(history[13],
              QString::fromUtf8("V1.2.2   le 29/05/2009 Remis les provinces MB et FM ajouté BT"));
    EXPECT_EQ(history[14], "");

    main->findChild<QAction*>("Mnu_Apropos")->trigger();
    EXPECT_TRUE(dialogs.messages[1].startsWith("ZELK_DCI Revision  1.2.2\n\n"));
    EXPECT_TRUE(dialogs.messages[1].contains(QString::fromUtf8("GNU GPL version 3 ou ultérieure")));
    main->findChild<QAction*>("Mnu_Rev_Liste_Chateau")->trigger();
    EXPECT_EQ(dialogs.messages[2],
              QString::fromUtf8("Nom du Fichier       : Liste_Chateau.txt\nRevision du fichier : "
                                "EX-001\nDate de révision    : 06/12/2026"));
}

TEST_F(StartupTest, TheListShowsAFieldPerColumnUnderItsTitleAndEveryFileLine) {
    QStringList lines;
    for (int i = 2; i <= 12; ++i)
        lines.append(logLine(QString("CALL%1").arg(i), "AQ001"));
    lines.append("DAMAGED");
    setStation("F_AB123", lines);
    writeBytes("F_AB123_DCI.log",
               "I1ABC        12   MARIO           CN001 05/12/26 14:30 SSB 14 Mhz "
               " 59  57  CASTELLO DI TEST" +
                   QByteArray(44, ' ') + " * JN61\r\n" + crlf(lines));
    start();
    const struct {
        const char* title;
        const char* cell;
    } columns[] = {
        {"N°", "1"},         {"Indicatif", "I1ABC"}, {"District", "12"},
        {"Prenom", "MARIO"}, {"Ref", "CN001"},       {"Date", "05/12/26"},
        {"QTR", "14:30"},    {"Mode", "SSB"},        {"QRG", "14 Mhz"},
        {"RSTR", "59"},      {"RSTE", "57"},         {"Mom du Chateau", "CASTELLO DI TEST"},
        {"QSL", "*"},        {"Loc", "JN61"}};
    QAbstractItemModel* model = w<QTableView>("Liste_QSO")->model();
    ASSERT_EQ(model->columnCount(), std::size(columns));
    for (int c = 0; c < model->columnCount(); ++c) {
        EXPECT_EQ(model->headerData(c, Qt::Horizontal).toString(),
                  QString::fromUtf8(columns[c].title));
        EXPECT_EQ(model->index(0, c).data().toString(), columns[c].cell) << columns[c].title;
    }
    ASSERT_EQ(rows().size(), 13);
    EXPECT_TRUE(rows()[8].startsWith("    9  CALL9 "));
    EXPECT_TRUE(rows()[9].startsWith("   10  CALL10 "));
    EXPECT_EQ(main->qsoLines().line(12), "DAMAGED");
    // The last line is selected, the entry left for a new QSO.
    EXPECT_EQ(w<QTableView>("Liste_QSO")->currentIndex().row(), 12);
    EXPECT_EQ(main->selectedListLine(), rows()[12]);
    EXPECT_EQ(text("Mode_Aff"), "Saisie QSO");
    EXPECT_FALSE(w<QPushButton>("Annule_Saisie")->isEnabled());
}

TEST_F(StartupTest, ClockTicksThroughMidnight) {
    setStation("F_AB123");
    clock.utc = QDateTime(QDate(2026, 12, 5), QTime(23, 59, 59), Qt::UTC);
    clock.local = QDateTime(QDate(2026, 12, 6), QTime(0, 59, 59));
    start();
    main->tick();
    EXPECT_EQ(text("Heure_Utc"), "23:59 Utc");
    EXPECT_EQ(text("Heure_Loc"), "00:59 Loc");
    EXPECT_EQ(text("Date_Utc"), "05/12/26");
    clock.utc = clock.utc.addSecs(1);
    clock.local = clock.local.addSecs(1);
    main->tick();
    EXPECT_EQ(text("Heure_Utc"), "00:00 Utc");
    EXPECT_EQ(text("Heure_Loc"), "01:00 Loc");
    EXPECT_EQ(text("Date_Utc"), "06/12/26");
}

TEST_F(StartupTest, FieldsAreNamedForScreenReaders) {
    setStation("F_AB123");
    start();
    QWidget* station = openStation();
    ASSERT_NE(station, nullptr);
    const struct {
        QWidget* field;
        const char* name;
    } fields[] = {
        {edit("Ind_A"), "Indicatif"},
        {edit("Prenom_A"), "Prenom (optionel)"},
        {edit("Ref_A"), "Ref Chateau"},
        {edit("Distr_A"), "District"},
        {edit("Loc_A"), "Locator"},
        {edit("Date_A"), "Date"},
        {edit("Heure_A"), "Heure UTC"},
        {w("Mode_A"), "Mode"},
        {w("Bande_A"), "QRG"},
        {edit("RST_A"), "RST R"},
        {edit("RSTE_A"), "RST E"},
        {edit("Rem_A"), "Nom du Chateau"},
        {w("QSL_A"), "QSL"},
        {station->findChild<QLineEdit*>("New_Indicatif"), "Indicatif"},
    };
    for (const auto& f : fields)
        EXPECT_EQ(f.field->accessibleName(), f.name) << f.field->objectName().toStdString();
}
