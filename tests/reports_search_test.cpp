#include "linetable.h"
#include "qsosearch.h"
#include "recherche_indicatif.h"
#include "reports_support.h"
#include "reportscreens.h"
#include "screenslot.h"

#include <QClipboard>
#include <QListView>
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
        {SearchBy::Date, "12/05/2007",
         "Attention 8 caracteres maxi pour la date (format jj/mm/aa)"},
        {SearchBy::Reference, "MI01", "Attention 5 caracteres pour la reference"},
        {SearchBy::Reference, "MI0123", "Attention 5 caracteres pour la reference"},
    };
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

TEST_F(Search, EachFieldSearchesOrRefusesOnEnterAndAResultChosenSelectsItsQso) {
    QPointer<QWidget> screen = open();
    // Where the hand goes, what it types (or pastes, when it starts a line), the results, the
    // message, and what the field keeps: a refused text for correcting, in capitals.
    const std::tuple<const char*, QString, QStringList, QStringList, QString> steps[] = {
        {"Indica",
         "iz1/f5abcd/pq",
         {},
         {"Attention 12 caracteres maxi pour l'indicatif"},
         "IZ1/F5ABCD/PQ"},
        {"Indica", "\r\nI1", {result(4, "I1XYZ", "12/05/07", "TO001")}, {}, ""},
        {"Option1_3",
         "mi012",
         {result(2, "IK2F5X", "12/05/07", "MI012"), result(3, "F5ABC", "12/05/07", "MI012", true)},
         {},
         ""},
        {"Data", "12/05/0", {}, {"Pas de QSO trouvé"}, ""},
        // Tabbed back to, the callsign field searches by the option still selected.
        {"Backtab", "F5", {}, {"Entrez une date"}, "F5"},
        {"Indica",
         "f5a",
         {result(1, "F5ABC", "05/12/26", "RM001"), result(3, "F5ABC", "12/05/07", "MI012", true),
          result(5, "F5ABC", "05/12/26", "RM001")},
         {},
         ""},
    };
    for (const auto& [reach, typed, results, messages, left] : steps) {
        dialogs.messages.clear();
        if (reach == std::string("Option1_3")) {
            QTest::mouseClick(child(screen, reach), Qt::LeftButton);
        } else if (reach == std::string("Backtab")) {
            for (int n = 0; n < 8 && Keyboard::focused()->objectName() != "Indica"; ++n)
                Keyboard::press(Qt::Key_Backtab);
        } else {
            Keyboard::clickInto(child(screen, reach));
        }
        Keyboard::press(Qt::Key_A, Qt::ControlModifier);
        Keyboard::press(Qt::Key_Delete);
        QGuiApplication::clipboard()->setText(typed);
        if (typed.startsWith("\r\n"))
            Keyboard::press(Qt::Key_V, Qt::ControlModifier);
        else
            Keyboard::type(typed);
        Keyboard::enter();
        EXPECT_EQ(text(screen, Keyboard::focused()->objectName()), left);
        EXPECT_EQ(lines(screen, "QSO_Effectues"), results) << typed.toStdString();
        EXPECT_EQ(dialogs.messages, messages) << typed.toStdString();
    }
    // The third result, chosen with the keys, selects QSO 5 of the list and closes the window.
    auto* list = child<QListView>(screen, "QSO_Effectues");
    while (screen && Keyboard::focused() != list)
        Keyboard::press(Qt::Key_Tab);
    for (int n = 0; n < 3; ++n)
        Keyboard::press(Qt::Key_Down);
    Keyboard::enter();
    EXPECT_EQ(qsoList.selected, QList<int>{4});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(screen.isNull());
}

TEST_F(Search, QuitterCloses) {
    QPointer<QWidget> window = open();
    press(window, "Command1");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}
