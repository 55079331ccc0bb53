#include "entry_support.h"

#include "programdirectory.h"

#include <QDir>

#include <functional>

namespace {

class FullDiskTest : public MainTest {
protected:
    // A fresh program directory and Main.
    void restart() {
        closeTopLevels();
        delete main;
        QDir(ProgramDirectory::path()).removeRecursively();
        ASSERT_TRUE(ProgramDirectory::prepare());
        // Longer than the log, so that the log's rewrite fits where the list's does not.
        writeBytes("Liste_Prenom.txt", QByteArray("I2ABC           ANNA\r\n").repeated(40));
        setStation("IK1ABC",
                   {logLine("I1FEB", "AQ001", "01/02/07"), logLine("I1MAR", "RM001", "01/03/07"),
                    logLine("I1APR", "TO001", "01/04/07")});
        start();
    }
    // Gives the focus to a button of a window, ready for Enter.
    void focusButton(const char* windowName, const char* button) {
        Keyboard::clickInto(child<QPushButton>(topLevel(windowName), button));
    }
};

} // namespace

TEST_F(FullDiskTest, EveryWriteOnAFullDiskShowsWhyAndChangesNoFile) {
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
        // The QSO rewritten as it was: only the new first name needs room.
        {"first-name list", [&] { doubleClickRow(0), focusButton("Main", "Valide_A"); },
         "Liste_Prenom.txt", 5},
        {"contacted-castles report", [] {}, "Chateaux_Contacte_IK1ABC_05_12_26.txt", 100,
         menu("Mnu_Enr_Contacte")},
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
