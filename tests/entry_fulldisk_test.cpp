#include "entry_support.h"

#include "programdirectory.h"
#include "stationsettings.h"

#include <QDir>
#include <QPointer>

#include <functional>

namespace {

class FullDiskTest : public MainTest {
protected:
    // A fresh program directory and Main, with no window left from the write before.
    void restart() {
        QList<QPointer<QWidget>> windows;
        for (QWidget* t : QApplication::topLevelWidgets())
            windows.append(t);
        for (const QPointer<QWidget>& t : windows)
            delete t.data();
        main = nullptr;
        QDir(ProgramDirectory::path()).removeRecursively();
        ASSERT_TRUE(ProgramDirectory::prepare());
        QByteArray names;
        for (int i = 0; i < 40; ++i)
            names += QByteArray("I2") + QByteArray::number(100 + i) + "          ANNA\r\n";
        writeBytes("Liste_Prenom.txt", names);
        setStation("IK1ABC",
                   {logLine("I1FEB", "AQ001", "01/02/07"), logLine("I1MAR", "RM001", "01/03/07"),
                    logLine("I1APR", "TO001", "01/04/07")});
        start();
    }
    // Gives the focus to a button of a window, ready for Enter.
    void focusButton(const char* windowName, const char* button) {
        Keyboard::clickInto(child<QPushButton>(topLevel(windowName), button));
    }
    // Enter on each field of a request form, its details remembered, up to its button.
    void enterToCreate(const char* windowName) {
        for (int guard = 0; guard < 12 && focused()->objectName() != "L_Fichier"; ++guard)
            enter();
        focusButton(windowName, "L_Fichier");
    }
};

} // namespace

TEST_F(FullDiskTest, EveryWriteOnAFullDiskShowsWhyAndChangesNoFile) {
    const QString section = StationSettings::stationSection("IK1ABC");
    const char* details[][2] = {{"Nom", "ROSSI"},          {"Prenom", "MARIO"},
                                {"Adresse 1", "VIA ROMA"}, {"Code Postal", "10100"},
                                {"Ville", "TORINO"},       {"Pays", "ITALIA"},
                                {"Credit", "12"}};
    for (const auto& d : details)
        StationSettings::setValue(section, d[0], d[1]);
    const QString log = "IK1ABC_DCI.log";
    const auto menu = [this](const char* entry) {
        return [this, entry] { main->findChild<QAction*>(entry)->trigger(); };
    };
    const struct {
        const char* write;
        std::function<void()> prepare; // the steps before the last, which fills the disk
        QString file;                  // the file written, whose present size the room adds to
        int room;                      // bytes that fit past that size
        std::function<void()> act = nullptr; // none: Enter on the focused button
    } writes[] = {
        {"append", [&] { typeNewQso("I1NEW", "", "AQ001"); }, log, 50},
        {"replace",
         [&] {
             doubleClickRow(1);
             focusOn("Rem_A");
             retype("nouveau nom");
             focusButton("Main", "Valide_A");
         },
         log, -50},
        {"delete", [&] { clickRow(1), focusButton("Main", "Annule_Saisie"); }, log, -200},
        {"insert",
         [&] {
             click("Ajout_QSO");
             typeEnter("I1JAN");
             enter();
             typeEnter("AQ002");
             for (const char* typed : {"5", "JN62", "15/01/07", "08:00"})
                 retype(typed), enter();
             enterThroughTo();
         },
         log, 50},
        // The QSO rewritten as it was: only the new first name needs room.
        {"first-name list", [&] { doubleClickRow(0), focusButton("Main", "Valide_A"); },
         "Liste_Prenom.txt", 5},
        {"contacted-castles report", [] {}, "Chateaux_Contacte_IK1ABC_05_12_26.txt", 100,
         menu("Mnu_Enr_Contacte")},
        {"DCI document",
         [&] {
             menu("Mnu_Liste_DCI")();
             focusButton("Aff_Contacte", "Command1");
             Keyboard::pressButton();
             enterToCreate("Document_DCI");
         },
         "DCI_DaAcc.txt", 100},
    };
    for (const auto& w : writes) {
        SCOPED_TRACE(w.write);
        restart();
        w.prepare();
        const QMap<QString, QByteArray> before = files();
        dialogs.messages.clear();
        {
            RecordingFileSystem full;
            full.room = before.value(w.file).size() + w.room;
            w.act ? w.act() : Keyboard::pressButton();
        }
        const QString logTail = QString::fromUtf8(", il n'a pas été modifié.");
        EXPECT_EQ(dialogs.messages, QStringList{"Impossible d'enregistrer le fichier " + w.file +
                                                (w.file == log ? logTail : QString())});
        EXPECT_TRUE(files() == before);
    }
}
