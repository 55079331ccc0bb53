#include "radiolinkdialog.h"
#include "radiosettings.h"
#include "rigctld.h"
#include "testsupport.h"

#include <QApplication>
#include <QListView>
#include <QPointer>
#include <QTest>

class RadioDialogTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        dialog = new RadioLinkDialog([this] { ++validated; });
        dialog->show();
        QApplication::setActiveWindow(dialog);
        QApplication::processEvents();
    }
    QString chosen() const {
        return dialog->findChild<QListView*>("Modele_Poste")->currentIndex().data().toString();
    }
    // Tester pressed; what the test then shows.
    QString test() const {
        Keyboard::pressButton();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog->testing(); }, 5000));
        QApplication::processEvents();
        return text(dialog, "Resultat_Test");
    }

    QPointer<RadioLinkDialog> dialog;
    int validated = 0;
};

TEST_F(RadioDialogTest, SearchFindsModelsByMakerAndName) {
    ASSERT_EQ(Keyboard::focused()->objectName(), "Filtre_Modele");
    EXPECT_EQ(chosen(), RadioLinkDialog::kNetworkCaption);
    const char* cases[][2] = {{"yaesu 991", "Yaesu FT-991"},
                              {"IC-7300", "Icom IC-7300"},
                              {"590SG kenwood", "Kenwood TS-590SG"},
                              {"réseau", "rigctld en réseau"}};
    for (const auto& c : cases) {
        Keyboard::press(Qt::Key_A, Qt::ControlModifier);
        Keyboard::type(QString::fromUtf8(c[0]));
        EXPECT_EQ(chosen(), QString::fromUtf8(c[1])) << c[0];
    }
}

TEST_F(RadioDialogTest, TestReadsTheRadioOrSaysItIsSilentAndValidationKeepsTheLink) {
    Rigctld rigctld;
    ASSERT_TRUE(rigctld.start());
    ASSERT_TRUE(rigctld.set({"F", "3700000"}));
    ASSERT_TRUE(rigctld.set({"M", "LSB", "2400"}));
    Keyboard::typeEnter("rigctld");
    ASSERT_EQ(Keyboard::focused()->objectName(), "Modele_Poste");
    Keyboard::press(Qt::Key_Tab);
    // A port nothing listens on.
    Keyboard::type("127.0.0.1:1");
    Keyboard::press(Qt::Key_Tab);
    Keyboard::press(Qt::Key_Down); // 1200 bauds, unused by the network model
    Keyboard::press(Qt::Key_Tab);
    Keyboard::press(Qt::Key_Space);
    Keyboard::press(Qt::Key_Tab);
    ASSERT_EQ(Keyboard::focused()->objectName(), "Tester");
    EXPECT_TRUE(test().startsWith(QString::fromUtf8("Pas de réponse du poste : ")));
    Keyboard::clickInto(dialog->findChild<QWidget*>("Port_Poste"));
    Keyboard::press(Qt::Key_A, Qt::ControlModifier);
    Keyboard::type(rigctld.address());
    Keyboard::clickInto(dialog->findChild<QWidget*>("Tester"));
    EXPECT_EQ(test(), QString::fromUtf8("Fréquence lue : 3,700000 MHz  LSB"));
    EXPECT_EQ(RadioSettings::load().on, false);

    Keyboard::press(Qt::Key_Tab);
    ASSERT_EQ(Keyboard::focused()->objectName(), "Valider_Liaison");
    Keyboard::pressButton();
    EXPECT_EQ(validated, 1);
    EXPECT_TRUE(dialog.isNull());
    const RadioSettings kept = RadioSettings::load();
    EXPECT_TRUE(kept.on);
    EXPECT_EQ(kept.model, 2);
    EXPECT_EQ(kept.port, rigctld.address());
    EXPECT_EQ(kept.speed, 1200);
}
