#include "awards_support.h"

using namespace awards;

namespace {

// The lines of squares `from` to `to` as the letter lists them, or as the WAIS list shows them
// confirmed, with an unconfirmed square after them.
QStringList squares(int from, int to, bool shown = false) {
    QStringList lines;
    for (int n = from; n < to; ++n)
        lines << waisLine(QString("JN%1").arg(n, 2, 10, QChar('0')), "I1ABC", '*')
                     .left(shown ? 80 : 79);
    return shown ? lines << "   KN00 I1XYZ" + blanks(67) : lines;
}

const QString kClosing = "   " + QString(76, u'-');

QStringList pageTop(int page) {
    return {"    Worked All Italian Squares - I1TEST -MIXED-" + blanks(28) + "Pag. " +
                QString::number(page),
            "", "", "   CODE CALL            DATE       TIME BAND MODE  PR QTH",
            "   ---- --------------- ---------- ---- ---- ----- -- -------------------------"};
}

// The letter up to the column rule of page 2, for the applicant `rossi` on 5 December 2026 (the
// line after "minimo" and the empty address line end in blanks).
QStringList letterTop() {
    return QString(
               R"(                                                                     05/12/2026


                                                       Award Manager W.A.I.S.
                                                       Ufficio Diplomi
                                                       ITALIA


    Oggetto: Richiesta diploma Worked All Italian Squares >MIXED<
    Call: I1TEST


    Il sottoscritto ROSSI MARIO (I1TEST) , avendo raggiunto il numero minimo 
    di squares italiani confermati, nel rispetto del regolamento del W.A.I.S.,
    fa richiesta del diploma di cui all'oggetto.
    Le qsl di conferma, sono in mio possesso ed a disposizione per eventuali
    verifiche.

    Si allegano estratto log + 10 Euro

    Cordiali saluti.

    ROSSI MARIO
    VIA ROMA 1
    
    10100
    TORINO
    ITALIA

    Data 05/12/2026


                                                                          Pag. 1

)")
               .split(u'\n') +
           pageTop(2);
}

QStringList totals(const char* credited, const char* toCredit, const char* total) {
    return {kClosing, "", QString("                    SQUARES ALREADY ACCREDITED : ") + credited,
            QString("                    SQUARES TO BE ACCREDITED   : ") + toCredit,
            QString("                    TOTAL SQUARES (ACC + CONF) : ") + total};
}

} // namespace

// Fifty squares fill page 2, the fifty-first starts page 3; the credit counts four digits at
// most.
TEST(WaisLetter, PagesAndTotals) {
    const Applicant rossi{"I1TEST", "ROSSI",  "MARIO",  "VIA ROMA 1", "",
                          "10100",  "TORINO", "ITALIA", "12345",      ""};
    EXPECT_EQ(waisLetterLines(rossi, squares(0, 51, true), QDate(2026, 12, 5)),
              letterTop() + squares(0, 50) + QStringList({kClosing, "", ""}) + pageTop(3) +
                  squares(50, 51) + totals("1234", "51", "1285"));
}

// The details typed in one request window are saved for the station, and the other opens with
// them.
TEST_F(AwardScreenTest, EachRequestFieldCheckedInTurnThenTheFileWritten) {
    // From the window as it opens (details saved for the station, the first field open, in
    // `first`), goes through the fields: an empty and a too long text refused, then the text typed
    // ('|'-separated), the field passed light yellow, the next open, light green; the button last.
    const auto fillIn = [this](QWidget* screen, const QList<RequestField>& fields,
                               const QColor& first, const QString& openingTexts,
                               const QString& typedTexts, const QString& shownTexts) {
        const QStringList opening = openingTexts.split(u'|'), typed = typedTexts.split(u'|'),
                          shown = shownTexts.split(u'|');
        EXPECT_EQ(text(screen, "L_Call"), "I1TEST");
        EXPECT_TRUE(child<QLineEdit>(screen, "L_Call")->isReadOnly());
        auto* create = child<QPushButton>(screen, "L_Fichier");
        for (int i = 0; i < fields.size(); ++i) {
            const RequestField& f = fields[i];
            SCOPED_TRACE(f.name.toStdString());
            auto* field = child<QLineEdit>(screen, f.name);
            EXPECT_EQ(text(screen, "Label_" + f.name), f.caption);
            EXPECT_EQ(field->text(), opening[i]);
            ASSERT_EQ(Keyboard::focused(), field);
            EXPECT_EQ(background(field), i == 0 ? first : Colours::kCurrent);
            EXPECT_FALSE(i + 1 < fields.size() &&
                         screen->findChild<QWidget*>(fields[i + 1].name)->isEnabled());
            EXPECT_FALSE(create->isEnabled());
            Keyboard::press(Qt::Key_A, Qt::ControlModifier);
            Keyboard::press(Qt::Key_Backspace);
            dialogs.messages.clear();
            QStringList refusals;
            if (!f.emptyMessage.isEmpty()) {
                Keyboard::enter();
                refusals << f.emptyMessage;
            }
            if (f.maxLength > 0) {
                Keyboard::typeEnter(QString(f.maxLength + 1, u'x'));
                refusals << f.tooLongMessage;
                Keyboard::press(Qt::Key_A, Qt::ControlModifier);
                Keyboard::press(Qt::Key_Backspace);
            }
            Keyboard::type(typed[i]);
            EXPECT_EQ(field->text(), shown[i]);
            Keyboard::enter();
            EXPECT_EQ(dialogs.messages, refusals);
            EXPECT_EQ(background(field), Colours::kPassed);
        }
    };
    // Bands and years the DCI file writes its own way; no reference, no file line.
    setStation(
        "I1TEST",
        {awardQso("I1ABC", "12", "JN45", true, "CN001", "12/05/07"),
         awardQso("IK0XYZ", "", "", true, "RM002", "01/01/98", "14:30", "CW", "144 Mhz"),
         awardQso("I1NOREF", "", "", true, "", "02/02/02"),
         awardQso("IZ1LONGCALL1", "", "", true, "TO010", "31/12/49", "14:30", "FM", "3.5 Mhz"),
         awardQso("I1A", "", "", false, "AL001", "01/01/50", "14:30", "SSB", "28 Mhz")});
    // Opened from the list, which is then closed.
    openAffContacteWais();
    press(existingScreen<Aff_Contacte_WAIS>(), "Doc_WAIS");
    existingScreen<Aff_Contacte_WAIS>()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    fillIn(existingScreen<Document_WAIS>(), waisRequestFields(), Colours::kWorked, "|||||||",
           "rossi|Mario|via roma 1||10100|torino|italia|1x2.3-45",
           "ROSSI|MARIO|VIA ROMA 1||10100|TORINO|ITALIA|1234");
    // The list window is not open: it is opened, and so filled, before its lines are read.
    dialogs.messages.clear();
    Keyboard::pressButton();
    EXPECT_EQ(dialogs.messages.join(u'|'),
              "Le fichier a été enregistré sous le nom de I1TEST_Richiesta_WAIS_MIXED.txt");
    EXPECT_EQ(readBytes("I1TEST_Richiesta_WAIS_MIXED.txt"),
              encodeLines(letterTop() + squares(45, 46) + totals("1234", "1", "1235")));
    EXPECT_EQ(StationSettings::value("Setup I1TEST", "Credit", "?"), "1234");

    // The DCI list in its second mode is saved, and brought forward as it is by its menu.
    Aff_Contacte* list = openAffContacte();
    Keyboard::clickInto(list->findChild<QWidget*>("Option1_2"));
    Keyboard::press(Qt::Key_Space);
    EXPECT_EQ(list->windowTitle(), "DCI Confirmés");
    press(list, "Enregistrer");
    EXPECT_EQ(dialogs.messages.last(), "Le log a été enregistré sous le nom : I1TEST_Chateaux_"
                                       "Italiens_confirmes au 05_12_26.txt");
    EXPECT_EQ(openAffContacte(), list);
    EXPECT_EQ(texts(list, "Label2 Nb_C"), (QStringList{kDciHeader, "4"}));
    press(list, "Command1");
    ASSERT_NE(existingScreen<Document_DCI>(), nullptr);
    fillIn(existingScreen<Document_DCI>(), dciRequestFields(), Colours::kCurrent,
           "ROSSI|MARIO|VIA ROMA 1|10100|TORINO|ITALIA|",
           "verdi|luigi|via po 2|f-75001|paris|repubblica ita|Luigi@Example.org",
           "VERDI|LUIGI|VIA PO 2|F-75001|PARIS|REPUBBLICA ITA|Luigi@Example.org");
    dialogs.messages.clear();
    Keyboard::pressButton();
    EXPECT_EQ(dialogs.messages.join(u'|'), "Le fichier a été enregistré sous le nom DCI_DaAcc.txt");
    // The lines the list shows: its confirmed QSOs.
    EXPECT_EQ(readBytes("DCI_DaAcc.txt"),
              "                           D.C.I.    Diploma dei Castelli D'italia\r\n"
              "       I1TEST\r\n"
              "                       VERDI           LUIGI\r\n"
              "                       VIA PO 2\r\n"
              "                       F-75001 PARIS                REPUBBLICA ITAe-mail:  "
              "Luigi@Example.org\r\n"
              "    CN001  I1ABC           20   SSB       12/05/2007\r\n"
              "    RM002  IK0XYZ             CW        01/01/1998\r\n"
              "    TO010  IZ1LONGCALL1    80   FM        31/12/2049\r\n");
}
