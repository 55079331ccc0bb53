#include "entry_support.h"

#include "stationsettings.h"

#include <QAccessible>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <sys/stat.h>

namespace {

QString setting(const QString& key) {
    QSettings s(QSettings::IniFormat, QSettings::UserScope, "ZELK", "DCI");
    return s.value(key).toString();
}

const QString kFirstInstallation =
    "\n         Premiere installation, vous devez entrer votre Indicatif\n\nPour cela dans la "
    "barre des menus allez dans Station puis Nouvel Indicatif.";

} // namespace

class StartupTest : public MainTest {
protected:
    // Types the callsign in the Station screen and validates it with Enter on its button.
    void typeStation(const QString& typed) {
        trigger("Mnu_New_Indicatif");
        QWidget* station = topLevel("Station");
        ASSERT_NE(station, nullptr);
        Keyboard::clickInto(station->findChild<QLineEdit*>("New_Indicatif"));
        retype(typed);
        enter();
        EXPECT_EQ(focused()->objectName(), "Validation");
        Keyboard::pressButton();
    }
};

TEST_F(StartupTest, FirstStartAsksForAStationWhoseLogIsThenMadeAndLoaded) {
    writeBytes("Liste_Chateau.txt", "AQ001 X\r\n***** EX-001 06/12/2026\r\n");
    start();
    EXPECT_EQ(main->windowTitle(), "  ZELK_DCI    Revision  1.2.2");
    EXPECT_EQ(setting("Setup /Chemin Repertoire"), path(""));
    EXPECT_EQ(setting("Setup FXXXX/Revision"), " 1.2.2");
    // Every key in the callsign field brings the message back; the key still reaches it.
    dialogs.messages.clear();
    Keyboard::type("ab");
    EXPECT_EQ(dialogs.messages, QStringList(2, kFirstInstallation));
    EXPECT_EQ(text("Ind_A"), "ab");

    // Typed in small letters, "/" stands as "_" in the callsign.
    typeStation("f/ab123");
    EXPECT_EQ(files().value("F_AB123_DCI.log", "missing"), QByteArray());
    EXPECT_EQ(setting("Setup /Indicatif Station"), "F_AB123");
    EXPECT_EQ(text("I_Station"), "F/AB123");
    dialogs.messages.clear();
    trigger("Mnu_Rev_Liste_Chateau");
    EXPECT_EQ(dialogs.messages,
              QStringList{QString::fromUtf8("Nom du Fichier       : Liste_Chateau.txt\nRevision "
                                            "du fichier : EX-001\nDate de révision    : "
                                            "06/12/2026")});
}

TEST_F(StartupTest, RefusedCallsignsLeaveThePreviousStationATwelveCharacterOneIsTaken) {
    setStation("F_OLD", {logLine("IK1ABC", "AQ001")});
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("F_LOCK_DCI.log")).constData(), 0600), 0);
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
        {"ABCDEFGHIJKLM", "12 caracteres maximum pour l'indicatif", "ABCDEFGHIJKLM"},
        // A log that is there but cannot be read is never replaced by the template.
        {"F_LOCK", "Impossible de lire le fichier F_LOCK_DCI.log", "F_LOCK"},
        // A new log is made from the template, which is missing.
        {"F1AA", "Impossible de créer le fichier F1AA_DCI.log à partir du modèle FXXXX.txt",
         "F1AA"},
    };
    for (const auto& c : cases) {
        dialogs.messages.clear();
        typeStation(QString::fromUtf8(c.typed));
        EXPECT_EQ(dialogs.messages, QStringList{QString::fromUtf8(c.message)}) << c.typed;
        EXPECT_EQ(ProgramTest::text(topLevel("Station"), "New_Indicatif"),
                  QString::fromUtf8(c.fieldAfter));
        EXPECT_EQ(text("I_Station"), "F_OLD");
    }
    EXPECT_EQ(setting("Setup /Indicatif Station"), "F_OLD");
    EXPECT_FALSE(QFile::exists(path("F1AA_DCI.log")));
    EXPECT_TRUE(QFileInfo(path("F_LOCK_DCI.log")).exists());
    EXPECT_FALSE(QFileInfo(path("F_LOCK_DCI.log")).isFile());

    typeStation("ABCDEFGHIJKL");
    EXPECT_EQ(StationCallsign(), "ABCDEFGHIJKL");
    EXPECT_EQ(rows().size(), 2);
    EXPECT_EQ(text("Bande_A") + text("Mode_A"), "14 MhzCW");
    // The keyboard is back on the entry.
    EXPECT_EQ(focused(), w("Ind_A"));
}

TEST_F(StartupTest, StoredCallsignWithoutItsLogMeansNoStationAndNoFileIsMade) {
    for (const char* stored : {"../x", "a/b", "", "ABCDEFGHIJKLM", "ik1abc", "F_GONE"}) {
        StationSettings::setStationCallsign(QString::fromLatin1(stored));
        dialogs.messages.clear();
        start();
        const bool gone = QLatin1String(stored) == "F_GONE";
        EXPECT_EQ(text("I_Station"), gone ? "F_GONE" : "FXXXX") << stored;
        EXPECT_EQ(
            dialogs.messages,
            QStringList{gone ? "Impossible de lire le fichier F_GONE_DCI.log" : kFirstInstallation})
            << stored;
        delete main;
        main = nullptr;
    }
    EXPECT_EQ(dirEntries(), QStringList({"FXXXX.txt", "Liste_Chateau.txt", "Liste_Prenom.txt"}));
    EXPECT_FALSE(QFile::exists(dir.filePath("x_DCI.log")));
}

TEST_F(StartupTest, MainListsEveryLineTicksThroughMidnightAndNamesItsFields) {
    setStation("F_AB123");
    writeBytes("F_AB123_DCI.log", "I1ABC        12   MARIO           CN001 05/12/26 14:30 SSB 14 "
                                  "Mhz  59  57  CASTELLO DI TEST" +
                                      QByteArray(44, ' ') + " * JN61\r\nDAMAGED\r\n");
    clock.utc = QDateTime(QDate(2026, 12, 5), QTime(23, 59, 59), Qt::UTC);
    clock.local = QDateTime(QDate(2026, 12, 6), QTime(0, 59, 59));
    start();
    QAbstractItemModel* model = w<QTableView>("Liste_QSO")->model();
    QStringList cells;
    for (int c = 0; c < model->columnCount(); ++c)
        cells << model->index(0, c).data().toString();
    EXPECT_EQ(cells.join(u'|'),
              "1|I1ABC|12|MARIO|CN001|05/12/26|14:30|SSB|14 Mhz|59|57|CASTELLO DI TEST|*|JN61");
    // The last line is selected, the entry left for a new QSO.
    EXPECT_EQ(w<QTableView>("Liste_QSO")->currentIndex().row(), 1);
    EXPECT_EQ(mode(), "Saisie QSO +----");

    for (const char* shown : {"23:59 Utc00:59 Loc05/12/26", "00:00 Utc01:00 Loc06/12/26"}) {
        main->tick();
        EXPECT_EQ(text("Heure_Utc") + text("Heure_Loc") + text("Date_Utc"), shown);
        clock.utc = clock.utc.addSecs(1);
        clock.local = clock.local.addSecs(1);
    }

    // Screen readers hear the program by its name and each field by its caption: every field
    // of the entry, the combos and the QSL box included, has one.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(qApp)->text(QAccessible::Name), "ZELK_DCI");
    const QList<QLabel*> captions = main->findChildren<QLabel*>();
    EXPECT_EQ(std::count_if(captions.begin(), captions.end(), [](QLabel* l) { return l->buddy(); }),
              13);
}
