#include "qsorecord.h"

#include "testsupport.h"

namespace {

const QString kCastle = "CASTELLO DI CELANO E DELLA MARSICA, TORRE E MURA DEL BORGO Y"; // 60
const QsoRecord kSample{"IK1ABC", "12", "MARIO", "AQ001", "12/05/07", "14:30", "SSB",
                        "14 Mhz", "59", "57",    kCastle, true,       "JN62"};
const QString kSampleLine = "IK1ABC       12   MARIO           AQ001 12/05/07 14:30 SSB 14 Mhz  59"
                            "  57  " +
                            kCastle + " * JN62";

} // namespace

TEST(QsoRecord, LogLineAndListLineColumns) {
    EXPECT_EQ(BuildLogLine(kSample), kSampleLine);
    EXPECT_EQ(ListLine(3, kSampleLine),
              "    3  IK1ABC        12   MARIO           AQ001  12/05/07  14:30  SSB  14 Mhz   59"
              "   57  " +
                  kCastle + "  * JN62");
    // Fields longer than their column are cut; empty ones are blank; short lines are not padded.
    QsoRecord r = kSample;
    r.callsign = "ABCDEFGHIJKLMN";
    r.castleName = QString(70, u'X');
    r.firstName.clear();
    r.qslReceived = false;
    EXPECT_EQ(BuildLogLine(r), "ABCDEFGHIJKL 12   " + QString(16, u' ') +
                                   "AQ001 12/05/07 14:30 SSB 14 Mhz  59  57  " + QString(60, u'X') +
                                   "   JN62");
    EXPECT_EQ(ListLine(2, "IK1ABC"), "    2  IK1ABC" + QString(20, u' '));
}

TEST(QsoRecord, ListLinesOfEveryNumberWidthGiveTheRecordBack) {
    const std::tuple<int, int, const char*> cases[] = {
        {9, 5, "    9  IK1ABC"}, {99999, 5, "99999  IK1ABC"}, {100000, 6, "100000  IK1ABC"}};
    for (const auto& [number, width, prefix] : cases) {
        EXPECT_EQ(listNumberWidth(number), width);
        const QString line = ListLine(number, kSampleLine, width);
        EXPECT_TRUE(line.startsWith(QString::fromLatin1(prefix))) << line.toStdString();
        EXPECT_EQ(BuildLogLine(RecordFromListLine(line)), kSampleLine) << number;
    }
}
