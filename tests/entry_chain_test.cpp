#include "entry_support.h"

#include "stationsettings.h"

class ChainTest : public MainTest {
protected:
    void SetUp() override {
        MainTest::SetUp();
        writeBytes("Liste_Chateau.txt", castleLine("AQ001", "Castello di Celano", "1", "JN62"));
    }
};

TEST_F(ChainTest, WholeQsoTypedFromTheKeyboardIsSavedOnlyOnYes) {
    writeBytes("Liste_Prenom.txt", "IK1XYZ          MARIO\r\n");
    start({});
    ASSERT_EQ(focused(), w("Ind_A"));
    typeEnter("ik1xyz");
    EXPECT_EQ(background(w("Ind_A")), Colours::kPassed);
    EXPECT_EQ(text("Prenom_A"), "MARIO");
    // Only a-z are turned into capitals as typed; the save puts the rest in capitals where the
    // code page has them, so "ß" keeps its one column.
    retype(QString::fromUtf8("luißé"));
    enter();
    typeEnter("aq001");
    // A province never worked opens the mini map, whose button has the focus.
    ASSERT_NE(topLevel("Mini_Carte"), nullptr);
    EXPECT_EQ(focused()->objectName(), "Suite");
    enter();
    EXPECT_EQ(topLevel("Mini_Carte"), nullptr);
    ASSERT_EQ(focused(), w("Mode_A"));
    enter();
    enter();
    enter();
    retype("57");
    enter();
    enter();
    ASSERT_EQ(focused(), w("QSL_A"));
    EXPECT_FALSE(w("Valide_A")->isEnabled());
    Keyboard::press(Qt::Key_Space);
    enter();
    ASSERT_EQ(focused(), w("Valide_A"));
    Keyboard::pressButton();
    EXPECT_EQ(dialogs.questions,
              QStringList{QString::fromUtf8("Voulez vous enregistrer ces données ?")});
    const QByteArray saved =
        "IK1XYZ       1    LUI\xDF\xC9           AQ001 05/12/26 14:30 SSB 1.8 Mhz 59  57  "
        "CASTELLO DI CELANO                                           * JN62\r\n";
    EXPECT_EQ(log(), saved);
    EXPECT_EQ(readBytes("Liste_Prenom.txt"), "IK1XYZ          LUI\xDF\xC9\r\n");
    // Back to the New mode, the last QSO selected for a delete.
    EXPECT_EQ(mode(), "Saisie QSO +---+");
    EXPECT_EQ(text("Ind_A"), "");
    EXPECT_EQ(focused(), w("Ind_A"));

    // No to the question: nothing is written and the entry starts again.
    dialogs.answers = {false};
    typeNewQso("IK1NO", "LUCA", "AQ001");
    Keyboard::pressButton();
    EXPECT_EQ(log(), saved);
    EXPECT_EQ(readBytes("Liste_Prenom.txt"), "IK1XYZ          LUI\xDF\xC9\r\n");
    EXPECT_EQ(focused(), w("Ind_A"));
}

TEST_F(ChainTest, ReferenceChecks) {
    start({logLine("I1OLD", "AQ001", "03/04/07", "10:00"), logLine("I1OLD", "MD001")});
    typeEnter("IK1XYZ");
    enter();
    const QString notItalian =
        QString::fromUtf8("MD n'est pas une Province Italienne\n                gerée par DCI");
    const struct {
        const char* reference;
        QStringList messages;
    } cases[] = {
        {"", {"Entrez une Reference"}},
        {"AQ01", {"5 caracteres pour la reference"}},
        {"AQ0001", {"5 caracteres pour la reference"}},
        {"MD002", {notItalian}},
        // An old MD QSO: what was contacted is said before the province is refused.
        {"MD001", {QString::fromUtf8("MD001 Chateau deja contacté le 05/12/26"), notItalian}},
        // A castle missing from the list passes, its fields emptied and opened.
        {"AQ777", {QString::fromUtf8("ATTENTION ce Chateau n'est pas referencé")}},
        {"AQ001", {QString::fromUtf8("AQ001 Chateau deja contacté le 03/04/07")}},
    };
    for (const auto& c : cases) {
        dialogs.messages.clear();
        fill("Ref_A", QString::fromLatin1(c.reference));
        EXPECT_EQ(dialogs.messages, c.messages) << c.reference;
        if (QLatin1String(c.reference) == "AQ777") {
            EXPECT_EQ(text("Rem_A"), "");
            EXPECT_TRUE(w("Rem_A")->isEnabled());
        }
    }
    // The last passed, and its province was worked: no mini map.
    EXPECT_EQ(topLevel("Mini_Carte"), nullptr);
    EXPECT_EQ(focused(), w("Mode_A"));
}

TEST_F(ChainTest, RefusalsKeepTheChainWhereItWas) {
    start({logLine("I1OLD", "AQ001")});
    doubleClickRow(0);
    ASSERT_EQ(text("Mode_Aff"), "Modification QSO");
    const char* rst = "R (de RST)doit etre compris entre 0 et 5";
    const struct {
        const char* field;
        const char* values;  // each typed in turn; "." stands for an empty field
        const char* message; // empty: each value passes and `next` gets the focus
        const char* next = "";
    } cases[] = {
        {"Ind_A", ".", "Entrez un indicatif"},
        {"Ind_A", "ABCDEFGHIJKLM", "12 caracteres maxi pour l'indicatif"},
        {"Ind_A", "ABCDEFGHIJKL", "", "Prenom_A"},
        {"Prenom_A", "ABCDEFGHIJKLMNOP", "15 caracteres maxi pour le Prenom"},
        {"Prenom_A", ".", "", "Ref_A"},
        {"Distr_A", "1234", "3 caracteres maxi pour le District"},
        {"Distr_A", ".", "", "Loc_A"},
        {"Loc_A", "JN611", "4 caracteres maxi pour le Locator"},
        {"Loc_A", ".", "", "Date_A"},
        {"Date_A", ".", "Entrez une date"},
        {"Date_A", "1/1/07", "8 caracteres pour la date ex: 12/05/07"},
        {"Date_A", "32/01/07 31/02/07 29/02/07 00/01/07 01/00/07 12-05-07 01/13/07",
         "Le format de la date doit etre JJ/MM/AA"},
        {"Date_A", "31/12/07 29/02/08 29/02/00", "", "Heure_A"},
        {"Heure_A", ".", "Entrez une Heure"},
        {"Heure_A", "1230", "5 caractereslour l'heure ex 12:48"},
        {"Heure_A", "24:00 12H30 12:60", "Le format de l'heure doit etre HH:MM"},
        {"Heure_A", "23:59", "", "Mode_A"},
        {"Mode_A", ".", "Entrez un Mode"},
        {"Mode_A", "RTTY", "3 caracteres maxi pour le Mode"},
        {"Mode_A", "c", "", "Bande_A"},
        {"Bande_A", ".", "Entrez une QRG"},
        {"Bande_A", "14.0MHZZ", "7 caracteres maxi pour la QRG"},
        {"Bande_A", "28", "", "RST_A"},
        {"RST_A", ".", "Entrez un Report"},
        {"RST_A", "699 X9", rst},
        {"RST_A", "5999", "3 caracteres maxi pour le Report"},
        {"RST_A", "599", "", "RSTE_A"},
        {"RSTE_A", "699", rst},
        {"RSTE_A", "0", "", "Rem_A"},
        {"Rem_A", "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA",
         "60 caracteres maxi pour le nom du Chateau"},
        {"Rem_A", ".", "", "QSL_A"},
    };
    for (const auto& c : cases) {
        for (QString value : QString::fromLatin1(c.values).split(u' ')) {
            value = value == "." ? QString() : value;
            dialogs.messages.clear();
            fill(c.field, value);
            const QString message = QString::fromUtf8(c.message);
            EXPECT_EQ(dialogs.messages, message.isEmpty() ? QStringList() : QStringList{message})
                << c.field << " " << value.toStdString();
            // Typed letters are capitals, and a combo keeps what is typed, never completed.
            EXPECT_EQ(text(c.field), value.toUpper()) << c.field;
            EXPECT_EQ(focused(), w(message.isEmpty() ? c.next : c.field)) << value.toStdString();
            if (message.isEmpty()) {
                EXPECT_EQ(background(w(c.next)), Colours::kCurrent) << c.next;
            }
        }
    }
    // Characters outside the code page are refused as typed.
    for (const char* field : {"Ind_A", "Mode_A", "Bande_A"}) {
        focusOn(field);
        retype(QString::fromUtf8("ik1ł€é-z"));
        EXPECT_EQ(text(field), QString::fromUtf8("IK1€é-Z")) << field;
    }
}

TEST_F(ChainTest, ModeAndBandAreRememberedAsTheyChangeButNotThoseOfASelectedQso) {
    start({logLine("I1OLD", "RM001")});
    typeNewQso("IK1XYZ", "", "AQ001");
    fill("Mode_A", "cw");
    retype("QRG1");
    enter();
    EXPECT_EQ(StationSettings::modeIndex("IK1ABC"), 1);
    EXPECT_EQ(StationSettings::bandIndex("IK1ABC"), -1);
    // A band chosen from the list with the arrow keys gives the list's label and index.
    focusOn("Bande_A");
    for (int i = 0; i < 12; ++i)
        Keyboard::press(Qt::Key_Up);
    for (int i = 0; i < 6; ++i)
        Keyboard::press(Qt::Key_Down);
    enter();
    EXPECT_EQ(text("Bande_A"), "21 Mhz");
    EXPECT_EQ(StationSettings::bandIndex("IK1ABC"), 6);

    // A QSO selected shows its own mode and band: the station's choice stays.
    for (const char* field : {"Mode_A", "Bande_A"}) {
        doubleClickRow(0);
        fill(field, "am");
    }
    EXPECT_EQ(StationSettings::modeIndex("IK1ABC"), 1);
    EXPECT_EQ(StationSettings::bandIndex("IK1ABC"), 6);
}
