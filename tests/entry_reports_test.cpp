#include "entry_support.h"

#include <QMenu>
#include <QTimer>

#include <functional>

namespace {

class ReportsFromMain : public MainTest {
protected:
    void SetUp() override {
        MainTest::SetUp();
        start({logLine("I1FEB", "AQ001", "01/02/07", "10:00"),
               logLine("F5ABC", "RM001", "01/03/07", "10:00"),
               logLine("I1FEB", "TO001", "01/04/07", "10:00")});
    }
};

} // namespace

TEST_F(ReportsFromMain, ImportBelowTheExportShowsTheFirstNewQso) {
    const QList<QAction*> file = main->findChild<QMenu*>("Mnu_Fichier")->actions();
    const qsizetype exportAt = file.indexOf(w<QAction>("Mnu_ADIF"));
    EXPECT_EQ(file.value(exportAt + 1)->text(), "Importer un fichier ADIF");
    writeBytes("in.adi", "<call:5>I2NEW <qth:5>AQ001 <qso_date:8>20070315 <time_on:4>0900 "
                         "<band:3>20m <mode:3>SSB <eor>\r\n");
    // Cancelled, then chosen.
    trigger("Mnu_Import_ADIF");
    dialogs.chosenFile = path("in.adi");
    trigger("Mnu_Import_ADIF");
    EXPECT_EQ(dialogs.fileCaptions, QStringList(2, "Importer un fichier ADIF"));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(QString::fromUtf8("QSO de châteaux importés : 1\n")));
    ASSERT_EQ(rows().size(), 4);
    EXPECT_EQ(main->selectedListLine(), rows()[2]);
    EXPECT_EQ(text("Ind_A"), "I2NEW");
}

TEST_F(ReportsFromMain, QslButtonWorksOnTheSelectedQsos) {
    clickRow(2);
    bool shown = false;
    int waits = 0;
    // Hands on the modal dialog once it is open.
    std::function<void()> work = [&] {
        QWidget* screen = QApplication::activeModalWidget();
        if (!screen && ++waits < 100)
            return QTimer::singleShot(0, main, work);
        ASSERT_NE(screen, nullptr);
        shown = true;
        EXPECT_EQ(ProgramTest::text(screen, "Indicatif"), "I1FEB");
        press(screen, "Recherche");
        auto* list = child<QListView>(screen, "Liste_QSO");
        Keyboard::clickInto(list);
        list->setCurrentIndex(list->model()->index(0, 0));
        Keyboard::press(Qt::Key_Down);
        Keyboard::press(Qt::Key_Space);
        press(screen, "Enregistre");
        press(screen, "Quitter");
    };
    Keyboard::clickInto(w("QSL"));
    QTimer::singleShot(0, main, work);
    Keyboard::pressButton();
    EXPECT_TRUE(shown);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(rows()[2].mid(151, 1), "*");
    EXPECT_EQ(rows()[0].mid(151, 1), " ");
    EXPECT_EQ(main->selectedListLine(), rows()[2]);
}
