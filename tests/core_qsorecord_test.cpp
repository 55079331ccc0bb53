#include "qsorecord.h"

#include "testsupport.h"

namespace {

QsoRecord sample() {
    QsoRecord r;
    r.callsign = "IK1ABC";
    r.district = "12";
    r.firstName = "MARIO";
    r.reference = "AQ001";
    r.date = "12/05/07";
    r.time = "14:30";
    r.mode = "SSB";
    r.band = "14 Mhz";
    r.rstReceived = "59";
    r.rstSent = "57";
    r.castleName = "CASTELLO DI CELANO";
    r.qslReceived = true;
    r.locator = "JN62";
    return r;
}

QString pad(const char* text, int width) {
    return QString(text).leftJustified(width, u' ');
}

// Field, blank, field, blank... as the column table lays them out.
const QString kSampleLine = pad("IK1ABC", 12) + " " + pad("12", 4) + " " + pad("MARIO", 15) + " " +
                            "AQ001 12/05/07 14:30 SSB 14 Mhz  59  57  " +
                            pad("CASTELLO DI CELANO", 60) + " * JN62";

} // namespace

TEST(QsoRecord, BuildsTheFixedWidthLine) {
    EXPECT_EQ(BuildLogLine(sample()), kSampleLine);
    EXPECT_EQ(kSampleLine.size(), 142);

    QsoRecord empty = sample();
    empty.firstName.clear();
    empty.qslReceived = false;
    empty.locator.clear();
    const QString line = BuildLogLine(empty);
    EXPECT_EQ(line.size(), 142);
    EXPECT_EQ(line.mid(18, 16), QString(16, u' '));
    EXPECT_EQ(line.mid(136, 6), QString(6, u' '));
}

TEST(QsoRecord, NumbersTheListLineInFiveColumns) {
    const struct {
        int number;
        const char* prefix;
    } cases[] = {{1, "    1  IK1ABC"},    {9, "    9  IK1ABC"},     {10, "   10  IK1ABC"},
                 {1234, " 1234  IK1ABC"}, {10000, "10000  IK1ABC"}, {99999, "99999  IK1ABC"}};
    for (const auto& c : cases) {
        const QString line = ListLine(c.number, kSampleLine);
        EXPECT_TRUE(line.startsWith(QString::fromLatin1(c.prefix))) << line.toStdString();
        EXPECT_EQ(line.size(), 157);
    }
}

TEST(QsoRecord, ListLineColumns) {
    const QString line = ListLine(3, kSampleLine);
    EXPECT_EQ(line, "    3  " + pad("IK1ABC", 12) + "  " + pad("12", 4) + " " + pad("MARIO", 15) +
                        " AQ001  12/05/07  14:30  SSB  14 Mhz   59   57  " +
                        pad("CASTELLO DI CELANO", 60) + "  * JN62");
    EXPECT_EQ(line.mid(151, 1), "*");
    EXPECT_EQ(line.mid(153, 4), "JN62");
}

TEST(QsoRecord, WiderNumbersKeepTheRowsAlignedAndReadable) {
    EXPECT_EQ(listNumberWidth(99999), 5);
    EXPECT_EQ(listNumberWidth(100000), 6);
    const QString a = ListLine(7, kSampleLine, 6);
    const QString b = ListLine(123456, kSampleLine, 6);
    EXPECT_EQ(a.size(), b.size());
    EXPECT_EQ(a.indexOf("IK1ABC"), b.indexOf("IK1ABC"));
    EXPECT_EQ(ListLineToLogLine(b), kSampleLine);
    EXPECT_EQ(RecordFromListLine(b).reference, "AQ001");
}

TEST(QsoRecord, ListLineGivesBackTheRecord) {
    const QString list = ListLine(42, kSampleLine);
    EXPECT_EQ(ListLineToLogLine(list), kSampleLine);
    const QsoRecord r = RecordFromListLine(list);
    const QsoRecord s = sample();
    EXPECT_EQ(r.callsign, s.callsign);
    EXPECT_EQ(r.district, s.district);
    EXPECT_EQ(r.firstName, s.firstName);
    EXPECT_EQ(r.reference, s.reference);
    EXPECT_EQ(r.date, s.date);
    EXPECT_EQ(r.time, s.time);
    EXPECT_EQ(r.mode, s.mode);
    EXPECT_EQ(r.band, s.band);
    EXPECT_EQ(r.rstReceived, s.rstReceived);
    EXPECT_EQ(r.rstSent, s.rstSent);
    EXPECT_EQ(r.castleName, s.castleName);
    EXPECT_TRUE(r.qslReceived);
    EXPECT_EQ(r.locator, s.locator);
}

TEST(QsoRecord, ShortLineSlicesAreCutNotPadded) {
    EXPECT_EQ(ListLine(1, "IK1ABC"), "    1  IK1ABC" + QString(20, u' '));
    EXPECT_EQ(ListLine(2, ""), "    2" + QString(22, u' '));
}

TEST(QsoRecord, FieldsSavedWithoutTheirCheckKeepTheColumns) {
    QsoRecord r = sample();
    r.callsign = "ABCDEFGHIJKLMN";
    r.date = "1/1/07";
    r.time = "9:5";
    r.castleName = QString(70, u'X');
    const QString line = BuildLogLine(r);
    EXPECT_EQ(line.size(), 142);
    EXPECT_EQ(line.left(13), "ABCDEFGHIJKL ");
    EXPECT_EQ(line.mid(34, 5), "AQ001");
    EXPECT_EQ(line.mid(40, 15), "1/1/07   9:5   ");
    EXPECT_EQ(line.mid(136), "* JN62");
}
