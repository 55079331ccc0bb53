#include "qsosearch.h"
#include "recherche_indicatif.h"
#include "reports_support.h"
#include "reportscreens.h"
#include "screenslot.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

const QStringList kLog{
    logLine("F5ABC", "RM001", "05/12/26"), logLine("IK2F5X", "MI012", "12/05/07"),
    logLine("F5ABC", "MI012", "12/05/07", "15:00", "CW", "7.0 Mhz", true),
    logLine("I1XYZ", "TO001", "12/05/07"), logLine("F5ABC", "RM001", "05/12/26")};

QStringList listOf(const QStringList& log) {
    QStringList out;
    for (int i = 0; i < log.size(); ++i)
        out.append(ListLine(i + 1, log[i]));
    return out;
}

// The result line of QSO `number` of the log above.
QString result(int number, const char* callsign, const char* date, const char* reference,
               bool qsl = false) {
    return QString::number(number).rightJustified(5) + "  " + QString(callsign).leftJustified(13) +
           "  " + date + "  " + reference + "  " +
           QString("CASTELLO %1").arg(reference).leftJustified(62) + (qsl ? "*" : " ");
}

class Search : public ReportScreenTest {
protected:
    Recherche_Indicatif* open() {
        useLog(kLog);
        openRechercheIndicatif(qsoList);
        return existingScreen<Recherche_Indicatif>();
    }
    QStringList results() const {
        auto* list = existingScreen<Recherche_Indicatif>()->findChild<QListView*>("QSO_Effectues");
        QStringList lines;
        for (int row = 0; row < list->model()->rowCount(); ++row)
            lines.append(list->model()->index(row, 0).data().toString());
        return lines;
    }
    QString field(const char* name) const {
        return existingScreen<Recherche_Indicatif>()->findChild<QLineEdit*>(name)->text();
    }
    bool option(int index) const {
        return existingScreen<Recherche_Indicatif>()
            ->findChild<QRadioButton*>(QString("Option1_%1").arg(index))
            ->isChecked();
    }
};

} // namespace

TEST(SearchRules, ChecksOnEnterInTheirOrder) {
    const std::tuple<SearchBy, const char*, const char*> cases[] = {
        {SearchBy::Callsign, "IZ1/F5ABCD/PX", "Attention 12 caracteres maxi pour l'indicatif"},
        {SearchBy::Callsign, "", "Entrez un indicatif"},
        {SearchBy::Callsign, "IZ1/F5ABCD/P", ""},
        {SearchBy::Date, "", "Attention le format date doit etre JJ/MM/AA"},
        {SearchBy::Date, "12-05-07", "Attention le format date doit etre JJ/MM/AA"},
        {SearchBy::Date, "12/0507", "Attention le format date doit etre JJ/MM/AA"},
        {SearchBy::Date, "12/05", "Attention le format date doit etre JJ/MM/AA"},
        {SearchBy::Date, "12/05/2007",
         "Attention 8 caracteres maxi pour la date (format jj/mm/aa)"},
        {SearchBy::Date, "12/05/0", ""},
        {SearchBy::Date, "12/05/07", ""},
        {SearchBy::Reference, "MI01", "Attention 5 caracteres pour la reference"},
        {SearchBy::Reference, "MI0123", "Attention 5 caracteres pour la reference"},
        {SearchBy::Reference, "", "Attention 5 caracteres pour la reference"},
        {SearchBy::Reference, "MI012", ""}};
    for (const auto& [by, text, message] : cases)
        EXPECT_EQ(checkSearchField(by, text), message) << text;
}

TEST(SearchRules, TextCleanUp) {
    EXPECT_EQ(capitalsAToZ("iz1/f5abc-é"), "IZ1/F5ABC-é");
    const std::pair<const char*, const char*> breaks[] = {
        {"\r\nF5", "F5"}, {"\r\n", ""}, {"F5\r\n", "F5\r\n"}, {"\nF5", "\nF5"}, {"", ""}};
    for (const auto& [text, clean] : breaks)
        EXPECT_EQ(withoutLeadingLineBreak(text), clean);
}

TEST(SearchRules, SearchesEachWay) {
    const QStringList list = listOf(kLog);
    const QString f5_1 = result(1, "F5ABC", "05/12/26", "RM001");
    const QString f5_2 = result(2, "IK2F5X", "12/05/07", "MI012");
    const QString f5_3 = result(3, "F5ABC", "12/05/07", "MI012", true);
    const QString i1_4 = result(4, "I1XYZ", "12/05/07", "TO001");
    const QString f5_5 = result(5, "F5ABC", "05/12/26", "RM001");
    const struct {
        SearchBy by;
        QString text;
        QStringList results;
        QString message;
        bool stopped;
    } cases[] = {{SearchBy::Callsign, "F5", {f5_1, f5_2, f5_3, f5_5}, "", false},
                 {SearchBy::Callsign, "f5a", {f5_1, f5_3, f5_5}, "", false},
                 {SearchBy::Callsign, "\r\nI1", {i1_4}, "", false},
                 {SearchBy::Callsign, "F5ABCX", {}, "Pas de QSO trouvé", false},
                 {SearchBy::Callsign, "\r\n", {}, "Entrez un indicatif", true},
                 {SearchBy::Date, "12/05/07", {f5_2, f5_3, i1_4}, "", false},
                 {SearchBy::Date, "12/05/0", {}, "Pas de QSO trouvé", false},
                 {SearchBy::Date, "", {}, "Entrez une date", true},
                 {SearchBy::Reference, "mi012", {f5_2, f5_3}, "", false},
                 {SearchBy::Reference, "MI01 ", {}, "Pas de QSO trouvé", false},
                 {SearchBy::Reference, "", {}, "Entrez un departement", true}};
    for (const auto& c : cases) {
        const SearchOutcome outcome = searchQsos(list, c.by, c.text);
        EXPECT_EQ(outcome.results, c.results) << c.text.toStdString();
        EXPECT_EQ(outcome.message, c.message) << c.text.toStdString();
        EXPECT_EQ(outcome.stopped, c.stopped) << c.text.toStdString();
    }
    // An empty list finds nothing whatever was typed.
    const SearchOutcome none = searchQsos({}, SearchBy::Date, "");
    EXPECT_EQ(none.message, "Pas de QSO trouvé");
    EXPECT_FALSE(none.stopped);
}

TEST(SearchRules, ChosenResultFindsItsOwnQsoAmongTwins) {
    const QStringList list = listOf(kLog);
    EXPECT_EQ(resultRow(list, result(5, "F5ABC", "05/12/26", "RM001")), 4);
    EXPECT_EQ(resultRow(list, result(1, "F5ABC", "05/12/26", "RM001")), 0);
    EXPECT_EQ(resultRow(list, result(6, "F5ABC", "05/12/26", "RM001")), -1);
}

TEST(SearchRules, WideNumbersOfALongList) {
    // A hundred thousand QSOs take six columns for their numbers.
    QStringList log{logLine("F5ABC", "RM001", "05/12/26")};
    log +=
        QStringList(99999, logLine("I1XYZ", "TO001", "12/05/07", "14:30", "SSB", "14 Mhz", true));
    QStringList list;
    for (int i = 0; i < log.size(); ++i)
        list.append(ListLine(i + 1, log[i], listNumberWidth(int(log.size()))));
    const SearchOutcome found = searchQsos(list, SearchBy::Reference, "RM001");
    ASSERT_EQ(found.results.size(), 1);
    EXPECT_TRUE(found.results[0].startsWith("     1  F5ABC          05/12/26  RM001  CASTELLO"));
    EXPECT_EQ(resultRow(list, found.results[0]), 0);
    EXPECT_EQ(qsoNumber(list.last(), int(list.size())), 100000);
    EXPECT_EQ(qsoNumber(list.first(), int(list.size())), 1);
    EXPECT_EQ(unconfirmedQsos(list, ""), QStringList{list.first()});
}

TEST_F(Search, OpensOnTheCallsignReadyToType) {
    Recherche_Indicatif* screen = open();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->windowTitle(), "Recherche QSO");
    EXPECT_TRUE(option(1));
    EXPECT_EQ(child<QLabel>(screen, "Label13")->text(),
              "      N°   Indicatif                Date    N° DCI                   Nom de "
              "l'activité ");
    EXPECT_EQ(child<QLabel>(screen, "Label3")->text(), "Rechercher un QSO par ...");
    EXPECT_EQ(child<QLabel>(screen, "Label10")->text(), "QSL");
    EXPECT_EQ(child<QListView>(screen, "QSO_Effectues")->toolTip(),
              "Cliquez sur le QSO pour le selectionner");
    EXPECT_EQ(child<QPushButton>(screen, "Command1")->text(), "Quitter");
    EXPECT_EQ(Keyboard::focused(), child<QWidget>(screen, "Indica"));
    EXPECT_LE(screen->width(), 1366);
    EXPECT_LE(screen->height(), 740);
}

TEST_F(Search, ByCallsignTypedInLowerCase) {
    open();
    Keyboard::type("f5a");
    EXPECT_EQ(field("Indica"), "F5A");
    Keyboard::enter();
    EXPECT_EQ(results(), (QStringList{result(1, "F5ABC", "05/12/26", "RM001"),
                                      result(3, "F5ABC", "12/05/07", "MI012", true),
                                      result(5, "F5ABC", "05/12/26", "RM001")}));
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(field("Indica"), "");
}

TEST_F(Search, CallsignRefusals) {
    open();
    Keyboard::typeEnter("iz1/f5abcd/pq");
    EXPECT_EQ(dialogs.messages, QStringList{"Attention 12 caracteres maxi pour l'indicatif"});
    EXPECT_EQ(field("Indica"), "IZ1/F5ABCD/PQ");
    EXPECT_TRUE(results().isEmpty());
    Keyboard::press(Qt::Key_A, Qt::ControlModifier);
    Keyboard::press(Qt::Key_Delete);
    Keyboard::enter();
    EXPECT_EQ(dialogs.messages.last(), "Entrez un indicatif");
    Keyboard::typeEnter("zz9");
    EXPECT_EQ(dialogs.messages.last(), "Pas de QSO trouvé");
    EXPECT_EQ(dialogs.messages.size(), 3);
}

TEST_F(Search, ByDateAfterAClickInTheDateField) {
    Recherche_Indicatif* screen = open();
    Keyboard::clickInto(child<QWidget>(screen, "Data"));
    EXPECT_TRUE(option(2));
    Keyboard::typeEnter("12-05-07");
    EXPECT_EQ(dialogs.messages, QStringList{"Attention le format date doit etre JJ/MM/AA"});
    EXPECT_EQ(field("Data"), "12-05-07");
    Keyboard::press(Qt::Key_A, Qt::ControlModifier);
    Keyboard::typeEnter("12/05/2007");
    EXPECT_EQ(dialogs.messages.last(),
              "Attention 8 caracteres maxi pour la date (format jj/mm/aa)");
    EXPECT_EQ(field("Data"), "12/05/2007");
    Keyboard::press(Qt::Key_A, Qt::ControlModifier);
    Keyboard::typeEnter("12/05/07");
    EXPECT_EQ(results(), (QStringList{result(2, "IK2F5X", "12/05/07", "MI012"),
                                      result(3, "F5ABC", "12/05/07", "MI012", true),
                                      result(4, "I1XYZ", "12/05/07", "TO001")}));
    EXPECT_EQ(field("Data"), "");
    Keyboard::typeEnter("12/05/0");
    EXPECT_EQ(dialogs.messages.last(), "Pas de QSO trouvé");
    EXPECT_TRUE(results().isEmpty());
    EXPECT_EQ(dialogs.messages.size(), 3);
}

TEST_F(Search, ByReferenceChosenWithItsOption) {
    Recherche_Indicatif* screen = open();
    QTest::mouseClick(child<QRadioButton>(screen, "Option1_3"), Qt::LeftButton);
    EXPECT_EQ(Keyboard::focused(), child<QWidget>(screen, "Depa"));
    Keyboard::typeEnter("mi01");
    EXPECT_EQ(dialogs.messages, QStringList{"Attention 5 caracteres pour la reference"});
    EXPECT_EQ(field("Depa"), "MI01");
    Keyboard::typeEnter("2");
    EXPECT_EQ(results(), (QStringList{result(2, "IK2F5X", "12/05/07", "MI012"),
                                      result(3, "F5ABC", "12/05/07", "MI012", true)}));
    EXPECT_EQ(field("Depa"), "");
    EXPECT_EQ(dialogs.messages.size(), 1);
}

TEST_F(Search, EnterInTheCallsignFieldSearchesByTheSelectedOption) {
    Recherche_Indicatif* screen = open();
    Keyboard::clickInto(child<QWidget>(screen, "Data"));
    Keyboard::typeEnter("05/12/26");
    EXPECT_EQ(results().size(), 2);
    // Tab back to the callsign field: its option is not selected.
    Keyboard::press(Qt::Key_Backtab);
    Keyboard::press(Qt::Key_Backtab);
    ASSERT_EQ(Keyboard::focused(), child<QWidget>(screen, "Indica"));
    EXPECT_TRUE(option(2));
    Keyboard::typeEnter("F5");
    EXPECT_EQ(dialogs.messages, QStringList{"Entrez une date"});
    EXPECT_TRUE(results().isEmpty());
    EXPECT_EQ(field("Indica"), "F5");
}

TEST_F(Search, LeadingLineBreakOfAPastedTextIsRemoved) {
    open();
    QGuiApplication::clipboard()->setText("\r\nI1");
    Keyboard::press(Qt::Key_V, Qt::ControlModifier);
    Keyboard::enter();
    EXPECT_EQ(results(), QStringList{result(4, "I1XYZ", "12/05/07", "TO001")});
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(Search, ClickOnAResultSelectsThatQsoAndCloses) {
    Recherche_Indicatif* screen = open();
    QPointer<QWidget> window = screen;
    Keyboard::typeEnter("F5ABC");
    ASSERT_EQ(results().size(), 3);
    auto* list = child<QListView>(screen, "QSO_Effectues");
    const QRect third = list->visualRect(list->model()->index(2, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, third.center());
    EXPECT_EQ(qsoList.selected, QList<int>{4});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

TEST_F(Search, QuitterClosesAndTheNextOpeningStartsAfresh) {
    Recherche_Indicatif* screen = open();
    QPointer<QWidget> window = screen;
    QTest::mouseClick(child<QRadioButton>(screen, "Option1_2"), Qt::LeftButton);
    Keyboard::clickInto(child<QWidget>(screen, "Command1"));
    Keyboard::pressButton();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    openRechercheIndicatif(qsoList);
    EXPECT_TRUE(option(1));
}
