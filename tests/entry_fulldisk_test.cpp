#include "entry_support.h"

#include "programdirectory.h"
#include "stationsettings.h"

#include <QDir>
#include <QPointer>
#include <QTimer>

#include <functional>

namespace {

const QString kFeb = "I1FEB        12                   AQ001 01/02/07 10:00 SSB 14 Mhz  59  59  "
                     "CASTELLO AQ001                                                 JN61";
const QString kMar = "I1MAR        12                   RM001 01/03/07 10:00 CW  7.0 Mhz 59  59  "
                     "CASTELLO RM001                                               * JN61";
const QString kApr = "I1APR        12                   TO001 01/04/07 10:00 SSB 14 Mhz  59  59  "
                     "CASTELLO TO001                                                 JN61";
const QString kLogFailed = QString::fromUtf8(
    "Impossible d'enregistrer le fichier IK1ABC_DCI.log, il n'a pas été modifié.");

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
        setStation("IK1ABC", {kFeb, kMar, kApr});
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
    // The QSL marking window is modal: it is worked from within.
    const auto markQsl = [this] {
        QTimer::singleShot(0, [] {
            QWidget* screen = QApplication::activeModalWidget();
            ASSERT_NE(screen, nullptr);
            QTest::mouseClick(screen->findChild<QPushButton*>("Recherche"), Qt::LeftButton);
            auto* list = screen->findChild<QListView*>("Liste_QSO");
            list->model()->setData(list->model()->index(0, 0), Qt::Checked, Qt::CheckStateRole);
            QTest::mouseClick(screen->findChild<QPushButton*>("Enregistre"), Qt::LeftButton);
            QTest::mouseClick(screen->findChild<QPushButton*>("Quitter"), Qt::LeftButton);
        });
        click("QSL");
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
             for (const char* typed : {"5", "JN62"})
                 retype(typed), enter();
             typeEnter("15/01/07");
             typeEnter("08:00");
             enterThroughTo();
         },
         log, 50},
        {"QSL marking", [&] { clickRow(0); }, log, -50, markQsl},
        // The QSO rewritten as it was: only the new first name needs room.
        {"first-name list", [&] { doubleClickRow(0), focusButton("Main", "Valide_A"); },
         "Liste_Prenom.txt", 5},
        {"ADIF export", [&] { writeBytes("IK1ABC_DCI.adi", "ancien export\r\n"); },
         "IK1ABC_DCI.adi", 100, menu("Mnu_ADIF")},
        {"contacted-castles report", [] {}, "Chateaux_Contacte_IK1ABC_05_12_26.txt", 100,
         menu("Mnu_Enr_Contacte")},
        {"DCI list", [&] { menu("Mnu_Liste_DCI")(), focusButton("Aff_Contacte", "Enregistrer"); },
         "IK1ABC_Chateaux_Italiens_contactes au 05_12_26.txt", 100},
        {"DCLO list",
         [&] { menu("Mnu_Provinces_DCLO")(), focusButton("Aff_Contacte_DCLO", "Enregistrer"); },
         "IK1ABC_Chateaux_de _Lombardie_contactes_au 05_12_26.txt", 100},
        {"WAIS document",
         [&] {
             menu("Mnu_Locators_WAIS")();
             focusButton("Aff_Contacte_WAIS", "Doc_WAIS");
             Keyboard::pressButton();
             enterToCreate("Document_WAIS");
         },
         "IK1ABC_Richiesta_WAIS_MIXED.txt", 100},
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
        EXPECT_EQ(dirEntries(), before.keys());
        for (auto f = before.begin(); f != before.end(); ++f)
            EXPECT_EQ(readBytes(f.key()), f.value()) << f.key().toStdString();
    }
}
