// The award windows read the log as bytes; these cases hold bytes of 0x80 and above, small
// letters, odd blanks and lines cut short, where the bytes must give what the decoded text gives.
#include "aff_contacte.h"
#include "aff_contacte_wais.h"
#include "awards_support.h"
#include "awardwindows.h"
#include "bytekeys.h"
#include "castlecount.h"
#include "codepage.h"
#include "dcilist.h"
#include "districtcount.h"
#include "locatorcount.h"
#include "requestletters.h"
#include "scores_idca.h"
#include "screenslot.h"
#include "stationlog.h"
#include "textfile.h"

using namespace awards;

namespace {

// A log line as file bytes, with `bytes` written over it from column `at` (0-based).
QByteArray patched(const QString& line, int at, const QByteArray& bytes) {
    QByteArray b = encodeCp1252(line);
    b.replace(at, bytes.size(), bytes);
    return b;
}

} // namespace

// Comparing bytes through the folded ranks orders them as the case-ignoring sort orders their
// characters, ties included.
TEST(LogBytes, FoldedRanksFollowTheCaseIgnoringSort) {
    const auto& rank = bytekeys::foldedRank();
    QStringList chars;
    for (int b = 0; b < 256; ++b)
        chars << QString(QChar(bytekeys::decodeTable()[b]));
    QStringList sorted = chars;
    sortIgnoringCase(sorted);
    for (qsizetype i = 1; i < sorted.size(); ++i) {
        const auto a = static_cast<unsigned char>(encodeCp1252(sorted[i - 1])[0]);
        const auto b = static_cast<unsigned char>(encodeCp1252(sorted[i])[0]);
        ASSERT_LE(rank[a], rank[b]) << a << " " << b;
        QStringList pair{sorted[i], sorted[i - 1]};
        sortIgnoringCase(pair);
        // Equal ranks are the ties that keep their order.
        EXPECT_EQ(pair[0] == sorted[i], rank[a] == rank[b]) << a << " " << b;
    }
}

TEST_F(ProgramTest, ScanFileSplitsLinesAtEveryEnd) {
    const int piece = 1 << 18; // what is read at a time
    const struct {
        const char* what;
        QByteArray bytes;
        QList<QByteArray> lines;
    } cases[] = {
        {"CR LF", "a\r\nb\r\n", {"a", "b"}},
        {"LF, no final end", "a\nb", {"a", "b"}},
        {"lone CR", "a\rb\r", {"a", "b"}},
        {"CR then CR LF", "a\r\r\nb", {"a", "", "b"}},
        {"empty lines", "\r\n\n\r", {"", "", ""}},
        {"empty file", "", {}},
        {"CR LF across two pieces",
         QByteArray(piece - 1, 'a') + "\r\nb",
         {QByteArray(piece - 1, 'a'), "b"}},
        {"lone CR at the end of a piece",
         QByteArray(piece - 1, 'a') + "\rc",
         {QByteArray(piece - 1, 'a'), "c"}},
        {"a line longer than a piece",
         "x\r\n" + QByteArray(3 * piece, 'y') + "\r\nz",
         {"x", QByteArray(3 * piece, 'y'), "z"}},
    };
    for (const auto& c : cases) {
        writeBytes("lines.txt", c.bytes);
        QList<QByteArray> lines;
        EXPECT_TRUE(bytekeys::scanFile(
            path("lines.txt"), [&lines](QByteArrayView l) { lines.append(l.toByteArray()); }));
        EXPECT_EQ(lines, c.lines) << c.what;
    }
    EXPECT_FALSE(bytekeys::scanFile(path("missing.txt"), [](QByteArrayView) {}));
}

TEST(DciScore, BytesOfTheCodePageCountAsTheirCharacters) {
    DciCounter counter;
    // "ß" in capitals is "SS", the code of Sassari in Sardinia; the castle is SS.
    counter.add(patched(castleQso("CN001", true), 34, "\xDF    "));
    counter.add(encodeCp1252(castleQso("SS", false)));
    // Cut short before its QSL marker: contacted only.
    counter.add(encodeCp1252(castleQso("MI001", true)).left(40));
    // One castle of Cuneo written in two cases, "é" and "É".
    counter.add(patched(castleQso("CN001", false), 34,
                        "CN\xE9"
                        "01"));
    counter.add(patched(castleQso("CN001", true), 34,
                        "cn\xC9"
                        "01"));
    // A no-break space is a blank around the province.
    counter.add(patched(castleQso("RM001", false), 34, "\xA0RM01"));
    const DciScore score = counter.score();
    EXPECT_EQ(score.regionLines[8], "  0    LZ Latium                  ");
    EXPECT_EQ(score.regionLines[10], "  1    LB Lombardie               ");
    EXPECT_EQ(score.regionLines[13], "  1    PM Piemont                 *");
    EXPECT_EQ(score.regionLines[15], "  1    SD Sardaigne               *");
    EXPECT_EQ(score.cuneoLine, "  1    CN Province de Cuneo       *");
    EXPECT_EQ(score.contacted, 4);
    EXPECT_EQ(score.confirmed, 2);
    EXPECT_EQ(score.regionsConfirmed, 2);

    DcpcCounter dcpc;
    dcpc.add(patched(castleQso("CN001", true), 34,
                     "cn\xE9"
                     "01"));
    dcpc.add(patched(castleQso("CN002"), 34, "c\xD1"));
    EXPECT_EQ(dcpc.score().lines, (QStringList{"  CNÉ01  I1ABC         05/12/26    *", QString()}));
}

TEST(DciList, BytesOfTheCodePageSortAsTheirCharacters) {
    CastleListBuilder builder(Award::Dci, Shown::Contacted);
    for (const QByteArray& name :
         {QByteArray("\x8Aibenik"), QByteArray("\xE9glise"), QByteArray("ZAMEK"),
          QByteArray("\xC9GLISE"), QByteArray("zamek")})
        builder.add(patched(castleQso("CN001"), LogColumns::kCastleName, name.leftJustified(60)));
    // A line cut inside the castle name keeps its columns.
    builder.add(encodeCp1252(castleQso("CN001")).left(80));
    QStringList names;
    for (const QString& line : builder.view().lines)
        names << line.mid(8, 7).trimmed();
    // "é" sorts after "z", "š" after "é"; equal but for case, lines keep the log's order.
    EXPECT_EQ(names, (QStringList{"CASTE", "ZAMEK", "zamek", "église", "ÉGLISE", "Šibenik"}));
}

TEST(Districts, BytesOfTheCodePageAroundTheDistrict) {
    const struct {
        QByteArray field;
        int district;
    } cases[] = {
        {"\xA0"
         "7\xA0",
         7},
        {"\xA0\xA0\xA0", -1},
        {"1\xA0"
         "2",
         -1},
        {"\xB2"
         "12",
         -1},
        {"\t12", 12},
        {"231", -1},
        {"000", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(districtOf(patched(awardQso("I1ABC", "1", "JN45"), 13, c.field)), c.district)
            << c.field.toHex().toStdString();
    DistrictMarks marks;
    marks.add(patched(awardQso("I1ABC", "1", "JN45", true), 13,
                      "\xA0"
                      "9 "));
    EXPECT_TRUE(marks.contacted[9]);
    EXPECT_TRUE(marks.confirmed[9]);
    EXPECT_EQ(marks.contactedCount(), 1);
}

TEST(WaisEntries, ALineWithBytesOfTheCodePageTakesItsPlaceInItsSquare) {
    LocatorCollector list(kListKeyLength);
    list.add(encodeCp1252(awardQso("I1ZZZ", "12", "JN45", false)), WaisLog::Dci);
    list.add(encodeCp1252(awardQso("I1ÉBC", "12", "jn45", true)), WaisLog::Dci);
    list.add(encodeCp1252(awardQso("I1AAA", "12", "JN45", false)), WaisLog::Dci);
    list.add(encodeCp1252(awardQso("I1ABC", "12", "JN61", false)), WaisLog::Dci);
    // Four NULs are a locator, not a blank one.
    list.add(patched(awardQso("I1NUL", "12", "JN45"), 138, QByteArray(4, '\0')), WaisLog::Dci);
    const SquareCount squares = countSquares(list.locTempo().sorted(), kListKeyLength);
    EXPECT_EQ(squares.contacted, 3);
    EXPECT_EQ(squares.confirmed, 1);
    const QString rest = "    12/05/2007 1430  20m PHONE CN DCI-CN001" + blanks(16);
    EXPECT_EQ(waisShownLines(squares),
              (QStringList{"   " + QString(4, QChar(0)) + " I1NUL" + blanks(7) + rest + " ",
                           "   JN45 I1ÉBC" + blanks(7) + rest + "*",
                           "   JN61 I1ABC" + blanks(7) + rest + " "}));

    LocatorCollector score(kScoreKeyLength);
    score.add(encodeCp1252(awardQso("I1ZZZ", "12", "JN45", false)), WaisLog::Dci);
    score.add(patched(awardQso("I1ABC", "12", "JN45", true), 138,
                      "j\xD1"
                      "45"),
              WaisLog::Dci);
    score.add(encodeCp1252(awardQso("I1AAA", "12", "jn45", true)), WaisLog::Dci);
    const SquareCount scored = countSquares(score.locTempo().sorted(), kScoreKeyLength);
    EXPECT_EQ(scored.first, (QStringList{"JN45*", "JÑ45*"}));
}

using WaisTempoFile = AwardScreenTest;
TEST_F(WaisTempoFile, TheListLeavesTheTempoFileEmpty) {
    setStation("I1TEST", {awardQso("I1AAA", "12", "JN45", false)});
    writeBytes("Tempo_Locator.txt", "left over\r\n");
    openAffContacteWais();
    ASSERT_NE(existingScreen<Aff_Contacte_WAIS>(), nullptr);
    EXPECT_EQ(readBytes("Tempo_Locator.txt"), QByteArray());
}

TEST(DciFile, TheDateIsWidenedAsTheLogWidensIt) {
    for (const QString& date :
         QStringList{"05/12/26", "05/12/49", "05/12/50", "05/12/99", "05/12/7", "05/12/ 7",
                     "05/12/x9", "7", "", "05/12/2026", "05/12/٢٦"}) {
        QChar out[10];
        const QChar* end = writeWidenedDate(out, date);
        EXPECT_EQ(QString(out, end - out), widenedDate(date)) << date.toStdString();
    }
    EXPECT_EQ(widenedDate(u"05/12/49"), "05/12/2049");
    EXPECT_EQ(widenedDate(u"05/12/50"), "05/12/1950");
}

TEST_F(ProgramTest, ScanFileReadsAFileFromWithinTheReadingOfAnother) {
    writeBytes("outer.txt", "a\r\nb\r\n");
    writeBytes("inner.txt", "x\ny");
    QList<QByteArray> lines;
    bytekeys::scanFile(path("outer.txt"), [&](QByteArrayView outer) {
        lines.append(outer.toByteArray());
        bytekeys::scanFile(path("inner.txt"),
                           [&lines](QByteArrayView inner) { lines.append(inner.toByteArray()); });
    });
    EXPECT_EQ(lines, (QList<QByteArray>{"a", "x", "y", "b", "x", "y"}));
}

// The windows read a log whose lines end in a lone CR, the last without an end, with bytes of the
// code page in its fields.
using AwardScreensOnBytes = AwardScreenTest;
TEST_F(AwardScreensOnBytes, TheListsReadTheLogAsItIsWritten) {
    setStation("I1TEST");
    const QByteArray eglise = patched(castleQso("CN002"), LogColumns::kCastleName,
                                      QByteArray("\xC9GLISE").leftJustified(60));
    QByteArray district = patched(awardQso("I1ABC", "1", "JN45", true), 13,
                                  "\xA0"
                                  "5 ");
    writeBytes("I1TEST_DCI.log",
               eglise + "\r" + encodeCp1252(castleQso("cn001", true)) + "\r" + district);

    Aff_Contacte* list = openAffContacte();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(text(list, "Nb_C"), "3");
    QStringList shown;
    for (const QString& line : lines(list, "Liste_QSO_Contacte"))
        shown << line.mid(1, 5) + " " + line.mid(8, 6);
    // Equal but for case up to the date, which decides: 05/12/26 before 12/05/07.
    EXPECT_EQ(shown, (QStringList{"cn001 CASTEL", "CN001 CASTEL", "CN002 ÉGLISE"}));
    choose(list, "Option1_2");
    EXPECT_EQ(text(list, "Nb_C"), "2");

    openScoresIdca();
    auto* idca = existingScreen<Scores_IDCA>();
    ASSERT_NE(idca, nullptr);
    // District 12 of the castle QSOs, and 5 between no-break spaces.
    EXPECT_EQ(texts(idca, "NB_Contacte NB_Confirme"), (QStringList{"2", "2"}));
}
