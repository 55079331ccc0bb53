#include "aff_contacte.h"
#include "aff_contacte_wais.h"
#include "awards_support.h"
#include "awardwindows.h"
#include "document_dci.h"
#include "document_wais.h"
#include "requestletters.h"
#include "screen.h"
#include "screenslot.h"
#include "stationsettings.h"
#include "textfile.h"

#include <QLineEdit>

using namespace awards;

namespace {

Applicant rossi(const QString& credit = "12") {
    Applicant a;
    a.call = "I1TEST";
    a.nom = "ROSSI";
    a.prenom = "MARIO";
    a.adresse1 = "VIA ROMA 1";
    a.codePostal = "10100";
    a.ville = "TORINO";
    a.pays = "ITALIA";
    a.credit = credit;
    a.email = "mario@example.org";
    return a;
}

QString square(int n) {
    return ("   " + QStringLiteral("JN%1").arg(n, 2, 10, QChar('0')) + " I1ABC       " +
            "    12/05/2007 1430  20m PHONE CN DCI-CN001")
        .leftJustified(79);
}

// The WAIS list with n confirmed squares, each followed by an unconfirmed one.
QStringList waisList(int confirmed) {
    QStringList shown;
    for (int n = 0; n < confirmed; ++n)
        shown << square(n) + "*"
              << QStringLiteral("   KN%1 I1XYZ").arg(n, 2, 10, QChar('0')).leftJustified(80);
    return shown;
}

// The letter up to the column rule of page 2, for the applicant `rossi` on 5 December 2026.
QStringList letterTop() {
    return {
        blanks(69) + "05/12/2026",
        "",
        "",
        blanks(55) + "Award Manager W.A.I.S.",
        blanks(55) + "Ufficio Diplomi",
        blanks(55) + "ITALIA",
        "",
        "",
        "    Oggetto: Richiesta diploma Worked All Italian Squares >MIXED<",
        "    Call: I1TEST",
        "",
        "",
        "    Il sottoscritto ROSSI MARIO (I1TEST) , avendo raggiunto il numero minimo ",
        "    di squares italiani confermati, nel rispetto del regolamento del W.A.I.S.,",
        "    fa richiesta del diploma di cui all'oggetto.",
        "    Le qsl di conferma, sono in mio possesso ed a disposizione per eventuali",
        "    verifiche.",
        "",
        "    Si allegano estratto log + 10 Euro",
        "",
        "    Cordiali saluti.",
        "",
        "    ROSSI MARIO",
        "    VIA ROMA 1",
        "    ",
        "    10100",
        "    TORINO",
        "    ITALIA",
        "",
        "    Data 05/12/2026",
        "",
        "",
        blanks(74) + "Pag. 1",
        "",
        "",
        "    Worked All Italian Squares - I1TEST -MIXED-" + blanks(28) + "Pag. 2",
        "",
        "",
        "   CODE CALL            DATE       TIME BAND MODE  PR QTH",
        "   ---- --------------- ---------- ---- ---- ----- -- -------------------------",
    };
}

const QString kClosing =
    "   ----------------------------------------------------------------------------";

QStringList totals(const char* credited, const char* toCredit, const char* total) {
    return {kClosing, "", QString("                    SQUARES ALREADY ACCREDITED : ") + credited,
            QString("                    SQUARES TO BE ACCREDITED   : ") + toCredit,
            QString("                    TOTAL SQUARES (ACC + CONF) : ") + total};
}

QStringList squares(int from, int to) {
    QStringList lines;
    for (int n = from; n < to; ++n)
        lines << square(n);
    return lines;
}

} // namespace

TEST(WaisLetter, FiftySquaresFillPageTwoAndTheFiftyFirstStartsPageThree) {
    EXPECT_EQ(waisLetterLines(rossi(), waisList(50), QDate(2026, 12, 5)),
              letterTop() + squares(0, 50) + totals("12", "50", "62"));
    const QStringList pageThree = {
        kClosing,
        "",
        "",
        "    Worked All Italian Squares - I1TEST -MIXED-" + blanks(28) + "Pag. 3",
        "",
        "",
        "   CODE CALL            DATE       TIME BAND MODE  PR QTH",
        "   ---- --------------- ---------- ---- ---- ----- -- -------------------------"};
    EXPECT_EQ(waisLetterLines(rossi(""), waisList(51), QDate(2026, 12, 5)),
              letterTop() + squares(0, 50) + pageThree + squares(50, 51) + totals("0", "51", "51"));
}

TEST(WaisLetter, CreditAndTotals) {
    const struct {
        const char* credit;
        int squares;
        const char *credited, *toCredit, *total;
    } cases[] = {
        {"12", 150, "12", "150", "162"},  {"", 150, "0", "150", "150"},
        {"9999", 0, "9999", "0", "9999"}, {"0012", 3, "12", "3", "15"},
        {"X12", 1, "0", "1", "1"},        {"12345", 1, "1234", "1", "1235"},
    };
    for (const auto& c : cases) {
        const QStringList lines =
            waisLetterLines(rossi(c.credit), waisList(c.squares), QDate(2026, 12, 5));
        EXPECT_EQ(lines.mid(lines.size() - 5), totals(c.credited, c.toCredit, c.total)) << c.credit;
    }
}

class DocumentScreens : public AwardScreenTest {
protected:
    void SetUp() override {
        AwardScreenTest::SetUp();
        // Every band and year the DCI file writes its own way; no reference, no file line.
        setStation(
            "I1TEST",
            {awardQso("I1AAA", "12", "JN45", true, "CN001", "12/05/07"),
             awardQso("I1BBB", "12", "JN46", false, "CN002", "01/01/98"),
             awardQso("IK0XYZ", "", "", false, "RM002", "01/01/98", "14:30", "CW", "144 Mhz"),
             awardQso("I1NOREF", "", "", false, "", "02/02/02"),
             awardQso("IZ1LONGCALL1", "", "", false, "TO010", "31/12/49", "14:30", "FM", "3.5 Mhz"),
             awardQso("I1A", "", "", false, "AL001", "01/01/50", "14:30", "SSB", "7.0 Mhz"),
             awardQso("I1B", "", "", false, "BG001", "01/01/09", "14:30", "SSB", "21 Mhz"),
             awardQso("I1C", "", "", false, "BS001", "01/01/09", "14:30", "SSB", "28 Mhz")});
    }

    QLineEdit* edit(QWidget* screen, const QString& name) { return child<QLineEdit>(screen, name); }
    void clearField() {
        Keyboard::press(Qt::Key_A, Qt::ControlModifier);
        Keyboard::press(Qt::Key_Backspace);
    }

    struct Step {
        const char* field;
        const char* emptyMessage; // nullptr: may be empty
        QString tooLong;          // typed to be refused; empty: no limit
        const char* tooLongMessage;
        QString typed;
        QString shown;
    };

    // Goes through the fields in order: each refusal, then the accepted text; the field passed
    // turns light yellow and the next one light green with the focus.
    void fillInOrder(QWidget* screen, const QList<Step>& steps) {
        for (int i = 0; i < steps.size(); ++i) {
            const Step& s = steps[i];
            QLineEdit* field = edit(screen, s.field);
            ASSERT_EQ(Keyboard::focused(), field) << s.field;
            EXPECT_TRUE(field->isEnabled());
            clearField();
            if (s.emptyMessage) {
                dialogs.messages.clear();
                Keyboard::enter();
                EXPECT_EQ(dialogs.messages, QStringList{QString::fromUtf8(s.emptyMessage)});
                EXPECT_EQ(Keyboard::focused(), field);
            }
            if (!s.tooLong.isEmpty()) {
                dialogs.messages.clear();
                Keyboard::typeEnter(s.tooLong);
                EXPECT_EQ(dialogs.messages, QStringList{QString::fromUtf8(s.tooLongMessage)});
                EXPECT_EQ(Keyboard::focused(), field);
                clearField();
            }
            dialogs.messages.clear();
            Keyboard::type(s.typed);
            EXPECT_EQ(field->text(), s.shown) << s.field;
            Keyboard::enter();
            EXPECT_TRUE(dialogs.messages.isEmpty()) << s.field;
            EXPECT_EQ(background(field), Colours::kPassed) << s.field;
            if (i + 1 < steps.size()) {
                QLineEdit* next = edit(screen, steps[i + 1].field);
                EXPECT_TRUE(next->isEnabled());
                EXPECT_EQ(background(next), Colours::kCurrent) << steps[i + 1].field;
            }
        }
    }

    // Only the first field is open when the window opens.
    void expectOpening(QWidget* screen, const QStringList& fields, const QColor& first) {
        EXPECT_EQ(edit(screen, "L_Call")->text(), "I1TEST");
        EXPECT_TRUE(edit(screen, "L_Call")->isReadOnly());
        EXPECT_EQ(Keyboard::focused(), edit(screen, "L_Nom"));
        EXPECT_EQ(background(edit(screen, "L_Nom")), first);
        for (const QString& name : fields.mid(1)) {
            EXPECT_FALSE(edit(screen, name)->isEnabled()) << name.toStdString();
            EXPECT_EQ(background(edit(screen, name)), Colours::kPassed) << name.toStdString();
        }
        EXPECT_FALSE(child<QPushButton>(screen, "L_Fichier")->isEnabled());
        EXPECT_EQ(child<QPushButton>(screen, "L_Fichier")->text(), "Créer le fichier");
    }
};

TEST_F(DocumentScreens, TheWaisWindowChecksEachFieldInTurnAndWritesTheLetter) {
    openDocumentWais();
    QPointer<Document_WAIS> screen = existingScreen<Document_WAIS>();
    ASSERT_FALSE(screen.isNull());
    EXPECT_EQ(screen->windowTitle(), "Document WAIS");
    EXPECT_EQ(text(screen, "Label8"), "Création d'un fichier pour le diplome WAIS");
    expectOpening(screen,
                  {"L_Nom", "L_Prenom", "L_Adresse_1", "L_Adresse_2", "L_Code_Postal", "L_Ville",
                   "L_Pays", "L_Credit"},
                  Colours::kWorked);

    fillInOrder(screen, {
                            {"L_Nom", "Entrez un nom", QString(21, 'x'),
                             "20 caracteres maxi pour le Nom", "rossi", "ROSSI"},
                            {"L_Prenom", "Entrez un prenom", QString(21, 'x'),
                             "20 caracteres maxi pour le Prenom", "Mario", "MARIO"},
                            {"L_Adresse_1", "Entrez une adresse", QString(31, 'x'),
                             "30 caracteres maxi pour l'adresse", "via roma 1", "VIA ROMA 1"},
                            {"L_Adresse_2", nullptr, QString(31, 'x'),
                             "30 caracteres maxi pour l'adresse", "", ""},
                            {"L_Code_Postal", "Entrez un code postal", "101001",
                             "5 caracteres maxi pour le code postal", "10100", "10100"},
                            {"L_Ville", "Entrez une ville", QString(26, 'x'),
                             "25 caracteres maxi pour la ville", "torino", "TORINO"},
                            {"L_Pays", "Entrez un pays", QString(16, 'x'),
                             "15 caracteres maxi pour le pays", "italia", "ITALIA"},
                            {"L_Credit", nullptr, "", "", "1x2.3-45", "1234"},
                        });
    QPushButton* create = child<QPushButton>(screen, "L_Fichier");
    EXPECT_TRUE(create->isEnabled());
    EXPECT_EQ(Keyboard::focused(), create);

    // The list window is not open: it is opened, and so filled, before its lines are read.
    EXPECT_EQ(existingScreen<Aff_Contacte_WAIS>(), nullptr);
    Keyboard::pressButton();
    EXPECT_EQ(
        dialogs.messages,
        QStringList{"Le fichier a été enregistré sous le nom de I1TEST_Richiesta_WAIS_MIXED.txt"});
    ASSERT_NE(existingScreen<Aff_Contacte_WAIS>(), nullptr);
    EXPECT_TRUE(existingScreen<Aff_Contacte_WAIS>()->isVisible());
    EXPECT_TRUE(screen.isNull() || !screen->isVisible());

    QStringList expected = letterTop();
    expected << "   JN45 I1AAA           12/05/2007 1430  20m PHONE CN DCI-CN001                ";
    expected << totals("1234", "1", "1235");
    EXPECT_EQ(readBytes("I1TEST_Richiesta_WAIS_MIXED.txt"), encodeLines(expected));

    const QString section = "Setup I1TEST";
    EXPECT_EQ(StationSettings::value(section, "Nom", "?"), "ROSSI");
    EXPECT_EQ(StationSettings::value(section, "Adresse 2", "?"), "");
    EXPECT_EQ(StationSettings::value(section, "Credit", "?"), "1234");
    EXPECT_EQ(StationSettings::value(section, "e-mail", "?"), "?");
}

TEST_F(DocumentScreens, TheDciWindowWritesWhatTheListShowsAndSharesTheDetails) {
    const QString section = "Setup I1TEST";
    const struct {
        const char* key;
        const char* value;
    } details[] = {{"Nom", "ROSSI"},         {"Prenom", "MARIO"},      {"Adresse 1", "VIA ROMA 1"},
                   {"Adresse 2", "SCALA B"}, {"Code Postal", "10100"}, {"Ville", "TORINO"},
                   {"Pays", "ITALIA"},       {"Credit", "12"}};
    for (const auto& d : details)
        StationSettings::setValue(section, d.key, d.value);
    Aff_Contacte* list = openAffContacte();
    choose(list, "Option1_2");
    press(list, "Command1");
    QPointer<Document_DCI> screen = existingScreen<Document_DCI>();
    ASSERT_FALSE(screen.isNull());
    EXPECT_EQ(screen->windowTitle(), "Document DCI");
    EXPECT_EQ(text(screen, "Label8"), "Création d'un fichier pour le diplome DCI");
    const QStringList fields = {"L_Nom",   "L_Prenom", "L_Adresse_1", "L_Code_Postal",
                                "L_Ville", "L_Pays",   "L_Email"};
    expectOpening(screen, fields, Colours::kCurrent);
    EXPECT_EQ(screen->findChild<QLineEdit*>("L_Adresse_2"), nullptr);
    EXPECT_EQ(screen->findChild<QLineEdit*>("L_Credit"), nullptr);
    const QStringList shown = {"ROSSI", "MARIO", "VIA ROMA 1", "10100", "TORINO", "ITALIA", ""};
    for (int i = 0; i < fields.size(); ++i)
        EXPECT_EQ(edit(screen, fields[i])->text(), shown[i]) << i;

    fillInOrder(screen,
                {
                    {"L_Nom", "Entrez un nom", QString(17, 'x'), "16 caracteres maxi pour le Nom",
                     "verdi", "VERDI"},
                    {"L_Prenom", "Entrez un prenom", QString(21, 'x'),
                     "20 caracteres maxi pour le Prenom", "luigi", "LUIGI"},
                    {"L_Adresse_1", "Entrez une adresse", QString(31, 'x'),
                     "30 caracteres maxi pour l'adresse", "via po 2", "VIA PO 2"},
                    {"L_Code_Postal", "Entrez un code postal", "123456789",
                     "8 caracteres maxi pour le code postal", "f-75001", "F-75001"},
                    {"L_Ville", "Entrez une ville", QString(22, 'x'),
                     "21 caracteres maxi pour la ville", "paris", "PARIS"},
                    {"L_Pays", "Entrez un pays", QString(16, 'x'),
                     "15 caracteres maxi pour le pays", "repubblica ita", "REPUBBLICA ITA"},
                    {"L_Email", nullptr, QString(61, 'x'), "60 caracteres maxi pour l'adresse",
                     "Luigi@Example.org", "Luigi@Example.org"},
                });
    EXPECT_EQ(Keyboard::focused(), child<QPushButton>(screen, "L_Fichier"));
    Keyboard::pressButton();
    EXPECT_EQ(dialogs.messages,
              QStringList{"Le fichier a été enregistré sous le nom DCI_DaAcc.txt"});
    EXPECT_TRUE(screen.isNull() || !screen->isVisible());
    // The list shows the confirmed QSOs only.
    const QByteArray header =
        "                           D.C.I.    Diploma dei Castelli D'italia\r\n"
        "       I1TEST\r\n"
        "                       VERDI           LUIGI\r\n"
        "                       VIA PO 2\r\n"
        "                       F-75001 PARIS                REPUBBLICA ITAe-mail:  "
        "Luigi@Example.org\r\n";
    EXPECT_EQ(readBytes("DCI_DaAcc.txt"),
              header + "    CN001  I1AAA           20   SSB       12/05/2007\r\n");

    // What was typed here shows in the WAIS window; its own details were kept.
    openDocumentWais();
    auto* wais = existingScreen<Document_WAIS>();
    const QStringList waisFields = {"L_Nom",         "L_Prenom", "L_Adresse_1", "L_Adresse_2",
                                    "L_Code_Postal", "L_Ville",  "L_Pays",      "L_Credit"};
    const QStringList waisShown = {"VERDI",   "LUIGI", "VIA PO 2",       "SCALA B",
                                   "F-75001", "PARIS", "REPUBBLICA ITA", "12"};
    for (int i = 0; i < waisFields.size(); ++i)
        EXPECT_EQ(edit(wais, waisFields[i])->text(), waisShown[i]) << i;

    // With the list closed meanwhile, it opens again in its first mode, all QSOs.
    press(list, "Command1");
    for (int i = 0; i < 7; ++i)
        Keyboard::enter();
    ASSERT_EQ(Keyboard::focused(), child<QPushButton>(existingScreen<Document_DCI>(), "L_Fichier"));
    list->close();
    Keyboard::pressButton();
    EXPECT_EQ(readBytes("DCI_DaAcc.txt"),
              header + "    AL001  I1A             40   SSB       01/01/1950\r\n"
                       "    BG001  I1B             15   SSB       01/01/2009\r\n"
                       "    BS001  I1C             10   SSB       01/01/2009\r\n"
                       "    CN001  I1AAA           20   SSB       12/05/2007\r\n"
                       "    CN002  I1BBB           20   SSB       01/01/1998\r\n"
                       "    RM002  IK0XYZ             CW        01/01/1998\r\n"
                       "    TO010  IZ1LONGCALL1    80   FM        31/12/2049\r\n");
}

TEST_F(DocumentScreens, TheWaisListButtonOpensTheWindowAndClosingItSavesNothing) {
    openAffContacteWais();
    press(existingScreen<Aff_Contacte_WAIS>(), "Doc_WAIS");
    auto* screen = existingScreen<Document_WAIS>();
    ASSERT_NE(screen, nullptr);
    EXPECT_TRUE(screen->isVisible());
    EXPECT_EQ(Keyboard::focused(), edit(screen, "L_Nom"));
    Keyboard::typeEnter("rossi");
    screen->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(StationSettings::value("Setup I1TEST", "Nom", "?"), "?");
    openDocumentWais();
    EXPECT_EQ(edit(existingScreen<Document_WAIS>(), "L_Nom")->text(), "");
    EXPECT_FALSE(QFile::exists(path("I1TEST_Richiesta_WAIS_MIXED.txt")));
}
