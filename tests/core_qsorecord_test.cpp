#include "qsorecord.h"

#include "testsupport.h"

namespace {

const QString kCastle = "CASTELLO DI CELANO E DELLA MARSICA, TORRE E MURA DEL BORGO Y"; // 60

QsoRecord sample() {
    return {"IK1ABC", "12", "MARIO", "AQ001", "12/05/07", "14:30", "SSB",
            "14 Mhz", "59", "57",    kCastle, true,       "JN62"};
}

QString pad(const char* text, int width) {
    return QString(text).leftJustified(width, u' ');
}

// Field, blank, field, blank... as the column table lays them out.
const QString kSampleLine = pad("IK1ABC", 12) + " " + pad("12", 4) + " " + pad("MARIO", 15) + " " +
                            "AQ001 12/05/07 14:30 SSB 14 Mhz  59  57  " + kCastle + " * JN62";

} // namespace

TEST(QsoRecord, LogLineAndListLineColumns) {
    ASSERT_EQ(kCastle.size(), 60);
    EXPECT_EQ(BuildLogLine(sample()), kSampleLine);
    EXPECT_EQ(ListLine(3, kSampleLine),
              "    3  " + pad("IK1ABC", 12) + "  " + pad("12", 4) + " " + pad("MARIO", 15) +
                  " AQ001  12/05/07  14:30  SSB  14 Mhz   59   57  " + kCastle + "  * JN62");
    // Fields saved without their check are cut to their columns; empty ones are blank.
    QsoRecord r = sample();
    r.callsign = "ABCDEFGHIJKLMN";
    r.date = "1/1/07";
    r.time = "9:5";
    r.castleName = QString(70, u'X');
    r.firstName.clear();
    r.qslReceived = false;
    r.locator.clear();
    EXPECT_EQ(BuildLogLine(r), "ABCDEFGHIJKL 12   " + QString(16, u' ') +
                                   "AQ001 1/1/07   9:5   SSB 14 Mhz  59  57  " + QString(60, u'X') +
                                   QString(7, u' '));
    // Short lines are cut, not padded.
    EXPECT_EQ(ListLine(1, "IK1ABC"), "    1  IK1ABC" + QString(20, u' '));
    EXPECT_EQ(ListLine(2, ""), "    2" + QString(22, u' '));
}

TEST(QsoRecord, NumbersOfEveryWidthGiveTheRecordBack) {
    const struct {
        int number, width;
        const char* prefix;
    } cases[] = {{1, 5, "    1  IK1ABC"},
                 {10, 5, "   10  IK1ABC"},
                 {99999, 5, "99999  IK1ABC"},
                 {7, 6, "     7  IK1ABC"},
                 {123456, 6, "123456  IK1ABC"}};
    for (const auto& c : cases) {
        const QString line = ListLine(c.number, kSampleLine, c.width);
        EXPECT_TRUE(line.startsWith(QString::fromLatin1(c.prefix))) << line.toStdString();
        EXPECT_EQ(line.size(), 152 + c.width);
        EXPECT_EQ(BuildLogLine(RecordFromListLine(line)), kSampleLine) << c.number;
    }
    EXPECT_EQ(listNumberWidth(99999), 5);
    EXPECT_EQ(listNumberWidth(100000), 6);
    EXPECT_EQ(listNumberWidth(9), 5);
}
