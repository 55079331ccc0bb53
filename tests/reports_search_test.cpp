#include "linetable.h"
#include "qsosearch.h"
#include "recherche_indicatif.h"
#include "reports_support.h"
#include "reportscreens.h"
#include "screenslot.h"

#include <QClipboard>
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

using Search = ReportScreenTest;

} // namespace

TEST(SearchRules, ChecksOnEnterInTheirOrder) {
    const std::tuple<SearchBy, const char*, const char*> cases[] = {
        {SearchBy::Callsign, "IZ1/F5ABCD/P", ""},
        {SearchBy::Callsign, "IZ1/F5ABCD/PQ", "Attention 12 caracteres maxi pour l'indicatif"},
        {SearchBy::Callsign, "", "Entrez un indicatif"},
        {SearchBy::Date, "12/05/2007",
         "Attention 8 caracteres maxi pour la date (format jj/mm/aa)"},
        {SearchBy::Reference, "MI01", "Attention 5 caracteres pour la reference"},
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

TEST_F(Search, EachFieldSearchesOrRefusesOnEnterAndQuitterCloses) {
    useLog(kLog);
    openRechercheIndicatif(qsoList);
    QPointer<QWidget> screen = existingScreen<Recherche_Indicatif>();
    // The callsign field has the keys; a refused text stays for correcting, in capitals.
    Keyboard::typeEnter("iz1/f5abcd/pq");
    EXPECT_EQ(text(screen, "Indica"), "IZ1/F5ABCD/PQ");
    // A line break pasted in front is dropped; a search empties the field.
    Keyboard::press(Qt::Key_A, Qt::ControlModifier);
    QGuiApplication::clipboard()->setText("\r\nI1");
    Keyboard::press(Qt::Key_V, Qt::ControlModifier);
    Keyboard::enter();
    EXPECT_EQ(lines(screen, "QSO_Effectues"), QStringList{result(4, "I1XYZ", "12/05/07", "TO001")});
    EXPECT_EQ(text(screen, "Indica"), "");
    // An option clicked gives its field the keys.
    QTest::mouseClick(child(screen, "Option1_3"), Qt::LeftButton);
    Keyboard::typeEnter("mi012");
    EXPECT_EQ(lines(screen, "QSO_Effectues"),
              (QStringList{result(2, "IK2F5X", "12/05/07", "MI012"),
                           result(3, "F5ABC", "12/05/07", "MI012", true)}));
    Keyboard::clickInto(child(screen, "Data"));
    Keyboard::typeEnter("12/05/0");
    EXPECT_TRUE(lines(screen, "QSO_Effectues").isEmpty());
    // Tabbed back to, the callsign field searches by the option still selected.
    for (int n = 0; n < 8 && Keyboard::focused()->objectName() != "Indica"; ++n)
        Keyboard::press(Qt::Key_Backtab);
    Keyboard::typeEnter("F5");
    EXPECT_EQ(dialogs.messages,
              (QStringList{"Attention 12 caracteres maxi pour l'indicatif",
                           QString::fromUtf8("Pas de QSO trouvé"), "Entrez une date"}));
    // Quitter closes the window.
    press(screen, "Command1");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(screen.isNull());
}
