#include "linetable.h"
#include "qsosearch.h"
#include "recherche_indicatif.h"
#include "reports_support.h"
#include "reportscreens.h"
#include "screenslot.h"

#include <QClipboard>
#include <QLineEdit>
#include <QListView>
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
    QWidget* open() {
        useLog(kLog);
        openRechercheIndicatif(qsoList);
        return existingScreen<Recherche_Indicatif>();
    }
};

} // namespace

TEST(SearchRules, ChecksOnEnterInTheirOrder) {
    const std::tuple<SearchBy, const char*, const char*> cases[] = {
        {SearchBy::Callsign, "IZ1/F5ABCD/P", ""},
        {SearchBy::Callsign, "IZ1/F5ABCD/PQ", "Attention 12 caracteres maxi pour l'indicatif"},
        {SearchBy::Callsign, "", "Entrez un indicatif"},
        {SearchBy::Date, "12/0507", "Attention le format date doit etre JJ/MM/AA"},
        {SearchBy::Date, "12/05/2007",
         "Attention 8 caracteres maxi pour la date (format jj/mm/aa)"},
        {SearchBy::Reference, "MI01", "Attention 5 caracteres pour la reference"},
        {SearchBy::Reference, "MI0123", "Attention 5 caracteres pour la reference"}};
    for (const auto& [by, text, message] : cases)
        EXPECT_EQ(checkSearchField(by, text), message) << text;
}

TEST(SearchRules, ResultsFindTheirOwnRowAmongTwinsAndInALongList) {
    const LineTable list(kLog);
    EXPECT_EQ(resultRow(list, result(5, "F5ABC", "05/12/26", "RM001")), 4);
    EXPECT_EQ(resultRow(list, result(1, "F5ABC", "05/12/26", "RM001")), 0);
    EXPECT_EQ(resultRow(list, result(6, "F5ABC", "05/12/26", "RM001")), -1);
    // A hundred thousand QSOs take six columns for their numbers.
    const LineTable longList(QStringList(99999, kLog[2]) << kLog[0]);
    const QStringList found = searchQsos(longList, SearchBy::Reference, "RM001").results;
    ASSERT_EQ(found.size(), 1);
    EXPECT_TRUE(found[0].startsWith("100000  F5ABC          05/12/26  RM001  CASTELLO"));
    EXPECT_EQ(resultRow(longList, found[0]), 99999);
    EXPECT_EQ(unconfirmedRows(longList, ""), QList<int>{99999});
}

// A damaged line shifts its list line's columns; a search reads them where the list shows them.
TEST(SearchRules, ShortAndOddLinesAreComparedAsTheListShowsThem) {
    QByteArray euro = logLine("F5?Y", "RM001", "05/12/26").toLatin1();
    euro[2] = '\x80';
    const LineTable log =
        LineTable::fromBytes("F5ABC\r\nF5\x80X\r\n" + euro + "\r\n" +
                             logLine("f5abc", "rm001", "05/12/26").toLatin1() + "\r\n");
    EXPECT_EQ(searchQsos(log, SearchBy::Callsign, "f5").results.size(), 3);
    const QStringList byReference = searchQsos(log, SearchBy::Reference, "rm001").results;
    ASSERT_EQ(byReference.size(), 1);
    EXPECT_TRUE(byReference[0].startsWith(QString::fromUtf8("    3  F5\u20acY")));
    EXPECT_EQ(unconfirmedRows(log, QString::fromUtf8("5\u20ac")), (QList<int>{1, 2}));
}

TEST_F(Search, EachFieldSearchesOrRefusesOnEnter) {
    QWidget* screen = open();
    EXPECT_EQ(screen->windowTitle(), "Recherche QSO");
    const QStringList kept{"(a refusal keeps the results shown)"};
    const struct {
        const char* reach; // how the hand gets there: a click into a field or on an option
        QString typed;     // typed into the emptied field, or pasted when it starts a line
        QStringList results;
        const char* message;
        const char* option;
        const char* left; // what the field shows afterwards
    } steps[] = {
        {"Indica",
         "f5a",
         {result(1, "F5ABC", "05/12/26", "RM001"), result(3, "F5ABC", "12/05/07", "MI012", true),
          result(5, "F5ABC", "05/12/26", "RM001")},
         nullptr,
         "Option1_1",
         ""},
        {"Indica", "iz1/f5abcd/pq", kept, "Attention 12 caracteres maxi pour l'indicatif",
         "Option1_1", "IZ1/F5ABCD/PQ"},
        {"Indica", "\r\nI1", {result(4, "I1XYZ", "12/05/07", "TO001")}, nullptr, "Option1_1", ""},
        {"Option1_3",
         "mi012",
         {result(2, "IK2F5X", "12/05/07", "MI012"), result(3, "F5ABC", "12/05/07", "MI012", true)},
         nullptr,
         "Option1_3",
         ""},
        // An arrow key chooses the next option, and its field takes the keys.
        {"Up",
         "05/12/26",
         {result(1, "F5ABC", "05/12/26", "RM001"), result(5, "F5ABC", "05/12/26", "RM001")},
         nullptr,
         "Option1_2",
         ""},
        {"Data", "12/05/0", {}, "Pas de QSO trouvé", "Option1_2", ""},
        // Tabbed back to, the callsign field searches by the option still selected.
        {"Backtab", "F5", {}, "Entrez une date", "Option1_2", "F5"},
    };
    QStringList messages;
    for (const auto& step : steps) {
        const QStringList before = lines(screen, "QSO_Effectues");
        const QString reach = step.reach;
        if (reach.startsWith("Option")) {
            QTest::mouseClick(child(screen, reach), Qt::LeftButton);
        } else if (reach == "Up") {
            Keyboard::clickInto(child(screen, "Option1_3"));
            Keyboard::press(Qt::Key_Up);
        } else if (reach == "Backtab") {
            for (int n = 0; n < 8 && Keyboard::focused()->objectName() != "Indica"; ++n)
                Keyboard::press(Qt::Key_Backtab);
        } else {
            Keyboard::clickInto(child(screen, reach));
        }
        auto* field = qobject_cast<QLineEdit*>(Keyboard::focused());
        ASSERT_NE(field, nullptr) << step.reach;
        Keyboard::press(Qt::Key_A, Qt::ControlModifier);
        Keyboard::press(Qt::Key_Delete);
        QGuiApplication::clipboard()->setText(step.typed);
        if (step.typed.startsWith("\r\n"))
            Keyboard::press(Qt::Key_V, Qt::ControlModifier);
        else
            Keyboard::type(step.typed);
        Keyboard::enter();
        if (step.message)
            messages.append(step.message);
        const std::string what = step.typed.toStdString();
        EXPECT_EQ(lines(screen, "QSO_Effectues"), step.results == kept ? before : step.results)
            << what;
        EXPECT_EQ(dialogs.messages, messages) << what;
        EXPECT_TRUE(child<QRadioButton>(screen, step.option)->isChecked()) << what;
        EXPECT_EQ(field->text(), step.left) << what;
    }
}

TEST_F(Search, QuitterClosesAndAResultChosenSelectsThatQsoAndCloses) {
    QPointer<QWidget> window = open();
    press(window, "Command1");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    for (const char* how : {"double-click", "Enter"}) {
        window = open();
        Keyboard::typeEnter("F5ABC");
        auto* list = child<QListView>(window, "QSO_Effectues");
        ASSERT_EQ(list->model()->rowCount(), 3);
        if (how == std::string("Enter")) {
            while (window && Keyboard::focused() != list)
                Keyboard::press(Qt::Key_Tab);
            for (int n = 0; n < 3; ++n)
                Keyboard::press(Qt::Key_Down);
            Keyboard::enter();
        } else {
            const QPoint third = list->visualRect(list->model()->index(2, 0)).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, third);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, third);
        }
        EXPECT_EQ(qsoList.selected, QList<int>{4}) << how;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(window.isNull()) << how;
        qsoList.selected.clear();
    }
}
