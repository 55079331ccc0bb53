#include "stationlog.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>

class StationLogTest : public ProgramTest {
protected:
    QByteArray logBytes() const { return readBytes("IK1ABC_DCI.log"); }
    StationLog log() const { return StationLog("IK1ABC"); }
};

TEST_F(StationLogTest, EditsAddressTheSelectedLineAndInsertsInDateOrder) {
    const QString a = logLine("A", "AQ001", "01/01/07", "10:00"),
                  b = logLine("B", "AQ002", "01/02/07", "10:00"), n = logLine("N", "RM001"),
                  early = logLine("N", "RM001", "01/01/07", "10:00");
    enum Op { Replace, Delete, Insert };
    const struct {
        Op op;
        QStringList before;
        QString line; // replaced, deleted or inserted
        int lineNumber;
        QStringList after;
    } cases[] = {
        {Replace, {a, b, a}, a, 3, {a, b, n}}, // the twin selected, not the first equal line
        {Replace, {a, b}, a, 2, {n, b}},       // line moved: the text finds it
        {Replace, {a, b}, n, 0, {a, b, n}},    // not found: appended
        {Replace, {a, a}, a, 0, {n, a}},       // text only: the first one
        {Delete, {a, b, a}, a, 1, {b, a}},
        {Delete, {a, b, a}, a, 0, {b}}, // text only: every equal line
        {Insert, {a}, b, 0, {a, b}},
        {Insert, {a, b}, early, 0, {early, a, b}},         // before the QSOs of the same minute
        {Insert, {"damaged", b}, a, 0, {"damaged", a, b}}, // passed over, kept in its place
    };
    for (const auto& c : cases) {
        setStation("IK1ABC", c.before);
        const bool done = c.op == Replace  ? log().replaceQso(n, c.line, c.lineNumber)
                          : c.op == Delete ? log().deleteQso(c.line, c.lineNumber)
                                           : log().insertQsoByDateTime(c.line);
        ASSERT_TRUE(done);
        EXPECT_EQ(logBytes(), crlf(c.after)) << c.op << " " << c.lineNumber;
    }
    EXPECT_EQ(dirEntries().filter("Temporaire"), QStringList());
}

TEST_F(StationLogTest, AFailedRewriteChangesNothingAndNamesTheFile) {
    const QString a = logLine("A", "AQ001");
    setStation("IK1ABC", {a});
    ASSERT_TRUE(QDir(path("")).mkdir("Temporaire.txt"));
    EXPECT_FALSE(log().deleteQso(a, 1));
    EXPECT_FALSE(log().replaceQso(logLine("B", "AQ002"), a, 1));
    EXPECT_EQ(logBytes(), crlf({a}));
    QFile::remove(path("IK1ABC_DCI.log"));
    EXPECT_FALSE(log().insertQsoByDateTime(a));
    EXPECT_FALSE(QFile::exists(path("IK1ABC_DCI.log")));
    EXPECT_EQ(log().writeFailureMessage(),
              QString::fromUtf8("Impossible d'enregistrer le fichier IK1ABC_DCI.log, il n'a pas "
                                "été modifié."));
}

TEST_F(StationLogTest, UntouchedLinesKeepTheirBytes) {
    const QByteArray odd = "caf\xE9 \x81\x9D\x80 ligne ab\xEEm\xE9"
                           "e\r\n" +
                           crlf({logLine("A", "AQ001")});
    writeBytes("IK1ABC_DCI.log", odd);
    ASSERT_TRUE(log().appendQso(logLine("B", "AQ002")));
    ASSERT_TRUE(log().deleteQso(logLine("B", "AQ002"), 3));
    EXPECT_EQ(logBytes(), odd);
}

TEST_F(StationLogTest, LooksUpReferencesAndProvinces) {
    setStation("IK1ABC", {logLine("A", "aq001", "01/01/07"), logLine("B", "AQ001", "02/02/07"),
                          logLine("C", "AQ001", "03/03/07"), "short"});
    EXPECT_EQ(log().findReference("AQ001"), QString("02/02/07"));
    EXPECT_EQ(log().findReference("AQ002"), std::nullopt);
    EXPECT_TRUE(log().findProvincePrefix("aq"));
    EXPECT_FALSE(log().findProvincePrefix("RM"));
}

TEST(WidenedDate, TwoDigitYearsFrom50AreOfThe1900s) {
    const struct {
        const char* stored;
        const char* widened;
        qint64 instant; // of the date at 14:30
    } cases[] = {
        {"12/05/07", "12/05/2007", 200705121430}, {"31/12/49", "31/12/2049", 204912311430},
        {"01/01/50", "01/01/1950", 195001011430}, {"01/01/99", "01/01/1999", 199901011430},
        {"01/01/AB", "01/01/20AB", -1},           {"1/1/2007", "1/1/202007", -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(widenedDate(QString::fromLatin1(c.stored)), QString::fromLatin1(c.widened))
            << c.stored;
        EXPECT_EQ(recordInstant(logLine("A", "AQ001", c.stored, "14:30")), c.instant) << c.stored;
    }
}
