#include "linetable.h"
#include "qsosearch.h"
#include "recherche_indicatif.h"
#include "reports_support.h"
#include "reportscreens.h"
#include "screenslot.h"

#include <QClipboard>
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
        return lines(existingScreen<Recherche_Indicatif>(), "QSO_Effectues");
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
        {SearchBy::Callsign, "IZ1/F5ABCD/P", ""},
        {SearchBy::Callsign, "IZ1/F5ABCD/PQ", "Attention 12 caracteres maxi pour l'indicatif"},
        {SearchBy::Callsign, "", "Entrez un indicatif"},
        {SearchBy::Date, "12/0507", "Attention le format date doit etre JJ/MM/AA"},
        {SearchBy::Date, "12/05", "Attention le format date doit etre JJ/MM/AA"},
        {SearchBy::Date, "12/05/2007",
         "Attention 8 caracteres maxi pour la date (format jj/mm/aa)"},
        {SearchBy::Reference, "MI01", "Attention 5 caracteres pour la reference"},
        {SearchBy::Reference, "MI0123", "Attention 5 caracteres pour la reference"}};
    for (const auto& [by, text, message] : cases)
        EXPECT_EQ(checkSearchField(by, text), message) << text;
}

TEST(SearchRules, ChosenResultFindsItsOwnQsoAmongTwins) {
    const LineTable list(kLog);
    EXPECT_EQ(resultRow(list, result(5, "F5ABC", "05/12/26", "RM001")), 4);
    EXPECT_EQ(resultRow(list, result(1, "F5ABC", "05/12/26", "RM001")), 0);
    EXPECT_EQ(resultRow(list, result(6, "F5ABC", "05/12/26", "RM001")), -1);
}

TEST(SearchRules, WideNumbersOfALongList) {
    // A hundred thousand QSOs take six columns for their numbers.
    const QStringList log =
        QStringList{logLine("F5ABC", "RM001", "05/12/26")} +
        QStringList(99999, logLine("I1XYZ", "TO001", "12/05/07", "14:30", "SSB", "14 Mhz", true));
    const LineTable list(log);
    const SearchOutcome found = searchQsos(list, SearchBy::Reference, "RM001");
    ASSERT_EQ(found.results.size(), 1);
    EXPECT_TRUE(found.results[0].startsWith("     1  F5ABC          05/12/26  RM001  CASTELLO"));
    EXPECT_EQ(resultRow(list, found.results[0]), 0);
    EXPECT_EQ(unconfirmedRows(list, ""), QList<int>{0});
    EXPECT_EQ(qsoNumber(ListLine(100000, log.last(), 6), 100000), 100000);
}

// A damaged line shifts its list line's columns; a search reads them where the list shows them.
TEST(SearchRules, ShortAndOddLinesAreComparedAsTheListShowsThem) {
    QByteArray euro = logLine("F5?Y", "RM001", "05/12/26").toLatin1();
    euro[2] = '\x80';
    const LineTable log =
        LineTable::fromBytes("F5ABC\r\nF5\x80X\r\n" + euro + "\r\n" +
                             logLine("f5abc", "rm001", "05/12/26").toLatin1() + "\r\n");
    EXPECT_EQ(searchQsos(log, SearchBy::Callsign, "f5").results.size(), 3);
    EXPECT_EQ(searchQsos(log, SearchBy::Callsign, QString::fromUtf8("F5\u20ac")).results.size(), 2);
    const QStringList byReference = searchQsos(log, SearchBy::Reference, "rm001").results;
    ASSERT_EQ(byReference.size(), 1);
    EXPECT_TRUE(byReference[0].startsWith(QString::fromUtf8("    3  F5\u20acY")));
    EXPECT_EQ(unconfirmedRows(log, QString::fromUtf8("5\u20ac")), (QList<int>{1, 2}));
}

TEST_F(Search, OpensOnTheCallsignAndEachFieldSearchesOrRefusesOnEnter) {
    Recherche_Indicatif* screen = open();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->windowTitle(), "Recherche QSO");
    const QStringList f5abc{result(1, "F5ABC", "05/12/26", "RM001"),
                            result(3, "F5ABC", "12/05/07", "MI012", true),
                            result(5, "F5ABC", "05/12/26", "RM001")};
    const QStringList mi012{result(2, "IK2F5X", "12/05/07", "MI012"),
                            result(3, "F5ABC", "12/05/07", "MI012", true)};
    const QStringList kept{"(a refusal keeps the results shown)"};
    const struct {
        const char* reach; // how the hand gets there: a click into a field or on an option
        QString typed;     // typed into the emptied field, or pasted when it starts a line
        QStringList results;
        const char* message;
        int option;
        const char* left; // what the field shows afterwards
    } steps[] = {
        {"Indica", "f5a", f5abc, nullptr, 1, ""},
        {"Indica", "iz1/f5abcd/pq", kept, "Attention 12 caracteres maxi pour l'indicatif", 1,
         "IZ1/F5ABCD/PQ"},
        {"Indica", "zz9", {}, "Pas de QSO trouvé", 1, ""},
        {"Indica", "\r\nI1", {result(4, "I1XYZ", "12/05/07", "TO001")}, nullptr, 1, ""},
        {"Data", "12-05-07", kept, "Attention le format date doit etre JJ/MM/AA", 2, "12-05-07"},
        {"Data", "12/05/07", mi012 + QStringList{result(4, "I1XYZ", "12/05/07", "TO001")}, nullptr,
         2, ""},
        {"Option1_3", "mi01", kept, "Attention 5 caracteres pour la reference", 3, "MI01"},
        {"Depa", "mi012", mi012, nullptr, 3, ""},
        // An arrow key chooses the next option, and its field takes the keys.
        {"Up from Option1_3", "05/12/26", {f5abc[0], f5abc[2]}, nullptr, 2, ""},
        // Tabbed back to, the callsign field searches by the option still selected.
        {"Backtab", "F5", {}, "Entrez une date", 2, "F5"},
    };
    QStringList messages;
    for (const auto& step : steps) {
        const QStringList before = results();
        const QString reach = step.reach;
        if (reach.startsWith("Option")) {
            QTest::mouseClick(child<QRadioButton>(screen, reach), Qt::LeftButton);
        } else if (reach.startsWith("Up from ")) {
            Keyboard::clickInto(child<QRadioButton>(screen, reach.mid(8)));
            Keyboard::press(Qt::Key_Up);
        } else if (reach == "Backtab") {
            for (int n = 0; n < 8 && Keyboard::focused()->objectName() != "Indica"; ++n)
                Keyboard::press(Qt::Key_Backtab);
        } else {
            Keyboard::clickInto(child<QWidget>(screen, reach));
        }
        auto* field = qobject_cast<QLineEdit*>(Keyboard::focused());
        ASSERT_NE(field, nullptr) << step.reach;
        Keyboard::press(Qt::Key_A, Qt::ControlModifier);
        Keyboard::press(Qt::Key_Delete);
        if (step.typed.startsWith("\r\n")) {
            QGuiApplication::clipboard()->setText(step.typed);
            Keyboard::press(Qt::Key_V, Qt::ControlModifier);
        } else {
            Keyboard::type(step.typed);
        }
        Keyboard::enter();
        if (step.message)
            messages.append(step.message);
        const std::string what = step.typed.toStdString();
        EXPECT_EQ(results(), step.results == kept ? before : step.results) << what;
        EXPECT_EQ(dialogs.messages, messages) << what;
        EXPECT_TRUE(option(step.option)) << what;
        EXPECT_EQ(field->text(), step.left) << what;
    }
}

TEST_F(Search, QuitterClosesAndAResultChosenSelectsThatQsoAndCloses) {
    QPointer<QWidget> window = open();
    QTest::mouseClick(child<QRadioButton>(window, "Option1_2"), Qt::LeftButton);
    Keyboard::clickInto(child<QWidget>(window, "Command1"));
    Keyboard::pressButton();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());

    for (const char* how : {"click", "double-click", "Enter", "keypad Enter"}) {
        // Each opening starts afresh on the callsign.
        window = open();
        EXPECT_TRUE(option(1)) << how;
        Keyboard::typeEnter("F5ABC");
        ASSERT_EQ(results().size(), 3);
        auto* list = child<QListView>(window, "QSO_Effectues");
        const QPoint third = list->visualRect(list->model()->index(2, 0)).center();
        const QString keys = how;
        if (keys == "click") {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, third);
        } else if (keys == "double-click") {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, third);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, third);
        } else {
            while (window && Keyboard::focused() != list)
                Keyboard::press(Qt::Key_Tab);
            for (int n = 0; n < 3; ++n)
                Keyboard::press(Qt::Key_Down);
            Keyboard::press(keys == "Enter" ? Qt::Key_Return : Qt::Key_Enter);
        }
        EXPECT_EQ(qsoList.selected, QList<int>{4}) << how;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(window.isNull()) << how;
        qsoList.selected.clear();
    }
}
