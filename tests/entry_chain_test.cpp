#include "entry_support.h"

#include "qsorecord.h"
#include "stationsettings.h"

#include <QKeyEvent>
#include <QSettings>

namespace {} // namespace

class ChainTest : public MainTest {
protected:
    void SetUp() override {
        MainTest::SetUp();
        writeBytes("Liste_Chateau.txt",
                   castleLine("AQ001", "Castello di Celano", "1", "JN62") +
                       castleLine("RM001", "Castello Odescalchi", "80", "JN61") +
                       "***** EX-001 06/12/2026\r\n");
    }
    // Types a new QSO from the callsign to the QSL box, in the New mode.
    void typeNewQso(const QString& callsign, const QString& firstName, const QString& reference) {
        typeEnter("Ind_A", callsign);
        typeEnter("Prenom_A", firstName);
        typeEnter("Ref_A", reference);
        closeTopLevels();
        enter("Mode_A");
        enter("Bande_A");
        enter("RST_A");
        enter("RSTE_A");
        enter("Rem_A");
        enter("QSL_A");
    }
    QByteArray log() const { return readBytes("IK1ABC_DCI.log"); }
};

TEST_F(ChainTest, NewQsoIsAppendedFromTheClock) {
    setStation("IK1ABC", {logLine("I1OLD", "RM001", "01/01/07", "10:00")});
    writeBytes("Liste_Prenom.txt", "I1OLD           PAOLO\r\n");
    start();
    EXPECT_EQ(background(edit("Ind_A")), Colours::kCurrent);
    EXPECT_EQ(focused(), edit("Ind_A"));

    typeEnter("Ind_A", "ik1xyz");
    EXPECT_EQ(text("Ind_A"), "IK1XYZ");
    EXPECT_EQ(background(edit("Ind_A")), Colours::kPassed);
    EXPECT_EQ(background(edit("Prenom_A")), Colours::kCurrent);
    EXPECT_EQ(focused(), edit("Prenom_A"));
    typeEnter("Prenom_A", "mario");
    typeEnter("Ref_A", "AQ001");
    // A province never worked opens the mini map.
    EXPECT_NE(topLevel("Mini_Carte"), nullptr);
    EXPECT_TRUE(dialogs.messages.isEmpty());
    closeTopLevels();
    EXPECT_EQ(text("Rem_A"), "CASTELLO DI CELANO");
    EXPECT_EQ(text("Distr_A"), "1");
    EXPECT_EQ(text("Loc_A"), "JN62");
    EXPECT_EQ(text("Date_A"), "05/12/26");
    EXPECT_EQ(text("Heure_A"), "14:30");
    EXPECT_FALSE(edit("Date_A")->isEnabled());
    EXPECT_EQ(focused(), w("Mode_A"));
    enter("Mode_A");
    enter("Bande_A");
    enter("RST_A");
    typeEnter("RSTE_A", "57");
    enter("Rem_A");
    EXPECT_EQ(focused(), w("QSL_A"));
    EXPECT_FALSE(w("Valide_A")->isEnabled());
    w<QCheckBox>("QSL_A")->setChecked(true);
    enter("QSL_A");
    EXPECT_TRUE(w("Valide_A")->isEnabled());
    EXPECT_EQ(background(w("Valide_A")), Colours::kCurrent);
    EXPECT_EQ(focused(), w("Valide_A"));
    QTest::keyClick(w("Valide_A"), Qt::Key_Return);

    EXPECT_EQ(dialogs.questions,
              QStringList{QString::fromUtf8("Voulez vous enregistrer ces données ?")});
    QsoRecord r;
    r.callsign = "IK1XYZ";
    r.district = "1";
    r.firstName = "MARIO";
    r.reference = "AQ001";
    r.date = "05/12/26";
    r.time = "14:30";
    r.mode = "SSB";
    r.band = "14 Mhz"; // the band of the last QSO, shown since start-up
    r.rstReceived = "59";
    r.rstSent = "57";
    r.castleName = "CASTELLO DI CELANO";
    r.qslReceived = true;
    r.locator = "JN62";
    const QString line = BuildLogLine(r);
    ASSERT_EQ(line.size(), 142);
    EXPECT_EQ(log(), crlf({logLine("I1OLD", "RM001", "01/01/07", "10:00"), line}));
    EXPECT_EQ(readBytes("Liste_Prenom.txt"), "I1OLD           PAOLO\r\nIK1XYZ          MARIO\r\n");
    ASSERT_EQ(rows().size(), 2);
    EXPECT_EQ(rows()[1], ListLine(2, line));
    EXPECT_EQ(w<QListView>("Liste_QSO")->currentIndex().row(), 1);
    // Back to the New mode, the last QSO selected for a delete.
    EXPECT_EQ(text("Mode_Aff"), "Saisie QSO");
    EXPECT_EQ(text("Ind_A"), "");
    EXPECT_EQ(text("RST_A"), "59");
    EXPECT_TRUE(edit("Ind_A")->isEnabled());
    EXPECT_FALSE(edit("Ref_A")->isEnabled());
    EXPECT_FALSE(w("Valide_A")->isEnabled());
    EXPECT_TRUE(w("Annule_Saisie")->isEnabled());
    EXPECT_EQ(focused(), edit("Ind_A"));
}

TEST_F(ChainTest, AnsweringNoWritesNothing) {
    setStation("IK1ABC");
    start();
    dialogs.answers = {false};
    typeNewQso("IK1XYZ", "MARIO", "AQ001");
    click("Valide_A");
    EXPECT_EQ(log(), QByteArray());
    EXPECT_EQ(readBytes("Liste_Prenom.txt"), QByteArray());
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_EQ(text("Ind_A"), "");
    EXPECT_EQ(text("Mode_Aff"), "Saisie QSO");
}

TEST_F(ChainTest, FirstNameIsLookedUpAndReplacedOnSave) {
    setStation("IK1ABC");
    writeBytes("Liste_Prenom.txt", "IK1XYZ          MARIO\r\n");
    start();
    typeEnter("Ind_A", "IK1XYZ");
    EXPECT_EQ(text("Prenom_A"), "MARIO");
    type("Prenom_A", "luigi");
    enter("Prenom_A");
    typeEnter("Ref_A", "AQ001");
    closeTopLevels();
    for (const char* f : {"Mode_A", "Bande_A", "RST_A", "RSTE_A", "Rem_A", "QSL_A"})
        enter(f);
    click("Valide_A");
    EXPECT_EQ(readBytes("Liste_Prenom.txt"), "IK1XYZ          LUIGI\r\n");
}

TEST_F(ChainTest, ReferenceChecks) {
    setStation("IK1ABC", {logLine("I1OLD", "AQ001", "03/04/07", "10:00")});
    start();
    typeEnter("Ind_A", "IK1XYZ");
    enter("Prenom_A");
    const struct {
        const char* reference;
        QStringList messages;
        bool passes;
    } cases[] = {
        {"", {"Entrez une Reference"}, false},
        {"AQ01", {"5 caracteres pour la reference"}, false},
        {"AQ0001", {"5 caracteres pour la reference"}, false},
        {"MD001",
         {QString::fromUtf8("MD n'est pas une Province Italienne\n                gerée par DCI")},
         false},
        {"AQ001", {QString::fromUtf8("AQ001 Chateau deja contacté le 03/04/07")}, true},
    };
    for (const auto& c : cases) {
        dialogs.messages.clear();
        typeEnter("Ref_A", QString::fromLatin1(c.reference));
        EXPECT_EQ(dialogs.messages, c.messages) << c.reference;
        EXPECT_EQ(focused() == edit("Ref_A"), !c.passes) << c.reference;
    }
    // The province was worked: no mini map.
    EXPECT_EQ(topLevel("Mini_Carte"), nullptr);
}

TEST_F(ChainTest, UnlistedCastleEmptiesTheCastleFields) {
    setStation("IK1ABC", {logLine("I1OLD", "RM002")});
    start();
    typeEnter("Ind_A", "IK1XYZ");
    enter("Prenom_A");
    typeEnter("Ref_A", "RM777");
    EXPECT_EQ(dialogs.messages,
              QStringList{QString::fromUtf8("ATTENTION ce Chateau n'est pas referencé")});
    EXPECT_EQ(text("Rem_A"), "");
    EXPECT_TRUE(edit("Rem_A")->isEnabled());
    EXPECT_TRUE(edit("Distr_A")->isEnabled());
    EXPECT_EQ(topLevel("Mini_Carte"), nullptr);
}

TEST_F(ChainTest, RefusalsKeepTheChainWhereItWas) {
    setStation("IK1ABC", {logLine("I1OLD", "AQ001")});
    start();
    doubleClickRow(0);
    ASSERT_EQ(text("Mode_Aff"), "Modification QSO");
    const struct {
        const char* field;
        const char* value;
        const char* message;
    } cases[] = {
        {"Ind_A", "", "Entrez un indicatif"},
        {"Ind_A", "ABCDEFGHIJKLM", "12 caracteres maxi pour l'indicatif"},
        {"Prenom_A", "ABCDEFGHIJKLMNOP", "15 caracteres maxi pour le Prenom"},
        {"Distr_A", "1234", "3 caracteres maxi pour le District"},
        {"Loc_A", "JN611", "4 caracteres maxi pour le Locator"},
        {"Date_A", "", "Entrez une date"},
        {"Date_A", "1/1/07", "8 caracteres pour la date ex: 12/05/07"},
        {"Date_A", "32/01/07", "Le format de la date doit etre JJ/MM/AA"},
        {"Date_A", "31/02/07", "Le format de la date doit etre JJ/MM/AA"},
        {"Date_A", "29/02/07", "Le format de la date doit etre JJ/MM/AA"},
        {"Date_A", "00/01/07", "Le format de la date doit etre JJ/MM/AA"},
        {"Date_A", "01/00/07", "Le format de la date doit etre JJ/MM/AA"},
        {"Date_A", "12-05-07", "Le format de la date doit etre JJ/MM/AA"},
        {"Date_A", "01/13/07", "Le format de la date doit etre JJ/MM/AA"},
        {"Heure_A", "", "Entrez une Heure"},
        {"Heure_A", "1230", "5 caractereslour l'heure ex 12:48"},
        {"Heure_A", "24:00", "Le format de l'heure doit etre HH:MM"},
        {"Heure_A", "12H30", "Le format de l'heure doit etre HH:MM"},
        {"Heure_A", "12:60", "Le format de l'heure doit etre HH:MM"},
        {"Mode_A", "", "Entrez un Mode"},
        {"Mode_A", "RTTY", "3 caracteres maxi pour le Mode"},
        {"Bande_A", "", "Entrez une QRG"},
        {"Bande_A", "14.0 MHZ", "7 caracteres maxi pour la QRG"},
        {"RST_A", "", "Entrez un Report"},
        {"RST_A", "699", "R (de RST)doit etre compris entre 0 et 5"},
        {"RST_A", "5999", "3 caracteres maxi pour le Report"},
        {"RST_A", "X9", "R (de RST)doit etre compris entre 0 et 5"},
        {"RSTE_A", "699", "R (de RST)doit etre compris entre 0 et 5"},
        {"Rem_A", "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA",
         "60 caracteres maxi pour le nom du Chateau"},
    };
    for (const auto& c : cases) {
        dialogs.messages.clear();
        w(c.field)->setFocus();
        typeEnter(c.field, QString::fromLatin1(c.value));
        EXPECT_EQ(dialogs.messages, QStringList{QString::fromUtf8(c.message)})
            << c.field << " " << c.value;
        EXPECT_EQ(text(c.field), QString::fromLatin1(c.value));
        EXPECT_EQ(focused(), w(c.field)) << c.field << " " << c.value;
    }
    const struct {
        const char* field;
        const char* value;
        const char* next;
    } passes[] = {
        {"Ind_A", "ABCDEFGHIJKL", "Prenom_A"},
        {"Prenom_A", "", "Ref_A"},
        {"Distr_A", "", "Loc_A"},
        {"Loc_A", "", "Date_A"},
        {"Date_A", "31/12/07", "Heure_A"},
        {"Date_A", "29/02/08", "Heure_A"},
        {"Date_A", "29/02/00", "Heure_A"},
        {"Heure_A", "23:59", "Mode_A"},
        {"RST_A", "599", "RSTE_A"},
        {"RSTE_A", "0", "Rem_A"},
        {"Rem_A", "", "QSL_A"},
    };
    for (const auto& p : passes) {
        dialogs.messages.clear();
        w(p.field)->setFocus();
        typeEnter(p.field, QString::fromLatin1(p.value));
        EXPECT_TRUE(dialogs.messages.isEmpty()) << p.field << " " << p.value;
        EXPECT_EQ(focused(), w(p.next)) << p.field << " " << p.value;
        EXPECT_EQ(background(w(p.next)), Colours::kCurrent);
    }
}

TEST_F(ChainTest, KeysAreUpperCasedAndForeignCharactersRefused) {
    setStation("IK1ABC");
    start();
    // Characters without a key code of their own, sent as a keyboard layout would.
    for (QChar c : QString::fromUtf8("ik1ł€é-z")) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit("Ind_A"), &press);
    }
    EXPECT_EQ(text("Ind_A"), QString::fromUtf8("IK1€é-Z"));
}

TEST_F(ChainTest, ModeAndBandAreRememberedAsTheyChange) {
    setStation("IK1ABC");
    start();
    typeNewQso("IK1XYZ", "", "AQ001");
    w("Mode_A")->setFocus();
    type("Mode_A", "CW");
    enter("Mode_A");
    type("Bande_A", "QRG1");
    enter("Bande_A");
    EXPECT_EQ(StationSettings::modeIndex("IK1ABC"), 1);
    EXPECT_EQ(StationSettings::bandIndex("IK1ABC"), -1);
    // Typed letters are capitals, so a band of the list is chosen from the list.
    w<QComboBox>("Bande_A")->setCurrentIndex(6);
    enter("Bande_A");
    EXPECT_EQ(StationSettings::bandIndex("IK1ABC"), 6);
}

TEST_F(ChainTest, MiniMapOnlyForTheFirstQsoOfAProvince) {
    setStation("IK1ABC");
    start();
    typeEnter("Ind_A", "IK1XYZ");
    enter("Prenom_A");
    typeEnter("Ref_A", "AQ001");
    QWidget* mini = topLevel("Mini_Carte");
    ASSERT_NE(mini, nullptr);
    closeTopLevels();
    for (const char* f : {"Mode_A", "Bande_A", "RST_A", "RSTE_A", "Rem_A", "QSL_A"})
        enter(f);
    click("Valide_A");
    ASSERT_EQ(rows().size(), 1);
    dialogs.messages.clear();
    typeEnter("Ind_A", "IK1XYZ");
    enter("Prenom_A");
    typeEnter("Ref_A", "AQ002");
    EXPECT_EQ(topLevel("Mini_Carte"), nullptr);
}
