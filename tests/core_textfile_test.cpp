#include "codepage.h"
#include "linetable.h"
#include "testsupport.h"
#include "textfile.h"

#include <QDir>
#include <QFileInfo>

TEST(CodePage, EveryByteSurvivesARoundTrip) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = decodeCp1252(all);
    EXPECT_EQ(text.size(), 256);
    EXPECT_EQ(encodeCp1252(text), all);
    EXPECT_EQ(text[0x80], QChar(0x20AC));
    EXPECT_EQ(text[0xE9], QChar(u'é'));
    EXPECT_EQ(text[0x81], QChar(0x81));
}

TEST(CodePage, CapitalsStayInTheCodePage) {
    EXPECT_EQ(toUpperCp1252(QString::fromUtf8("aéßµÿœ-1")), QString::fromUtf8("AÉßµŸŒ-1"));
}

TEST(CodePage, CharactersOutsideTheCodePageBecomeOneQuestionMarkEach) {
    EXPECT_EQ(encodeCp1252(QString::fromUtf8("Ré€ł中")), QByteArray("R\xE9\x80??"));
    EXPECT_EQ(encodeCp1252(QString::fromUtf8("😀")), QByteArray("??"));
    EXPECT_TRUE(isCp1252Encodable(u'é'));
    EXPECT_TRUE(isCp1252Encodable(QChar(0x20AC)));
    EXPECT_FALSE(isCp1252Encodable(QChar(0x0142)));
}

class TextFileTest : public ProgramTest {};

TEST_F(TextFileTest, ReadsLinesWhateverTheirEnd) {
    const struct {
        QByteArray bytes;
        QStringList lines;
    } cases[] = {
        {"", {}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\r\nb", {"a", "b"}},
        {"a\n\r\nb\n", {"a", "", "b"}},
        {"\xE9t\xE9\r\n", {QString::fromUtf8("été")}},
        {"a\rb\r\n", {"a", "b"}},
        {"a\rb\rc", {"a", "b", "c"}},
        {"a\r\rb\r", {"a", "", "b"}},
    };
    for (const auto& c : cases) {
        writeBytes("t.txt", c.bytes);
        QStringList lines;
        ASSERT_TRUE(readTextLines(path("t.txt"), lines));
        EXPECT_EQ(lines, c.lines) << c.bytes.toStdString();
        LineTable table;
        ASSERT_TRUE(table.read(path("t.txt")));
        EXPECT_EQ(table.lines(), c.lines) << c.bytes.toStdString();
        EXPECT_EQ(table.bytes(table.size()), QByteArrayView());
    }
    QStringList lines;
    EXPECT_FALSE(readTextLines(path("missing.txt"), lines));
    LineTable table = LineTable::fromBytes("a\r\nb");
    EXPECT_FALSE(table.read(path("missing.txt")));
    EXPECT_TRUE(table.isEmpty());
}

TEST_F(TextFileTest, ScanStopsWhereAskedEvenInALaterPiece) {
    const QByteArray line(1000, 'x');
    QByteArray all;
    for (int i = 0; i < 600; ++i)
        all += line + "\r\n";
    writeBytes("t.txt", all + "last");
    int seen = 0;
    ASSERT_TRUE(scanLines(path("t.txt"), [&seen](QByteArrayView l) {
        EXPECT_EQ(l.size(), 1000);
        return ++seen == 500;
    }));
    EXPECT_EQ(seen, 500);
}

TEST_F(TextFileTest, RewriteReplacesTheFileAndLeavesNoScratch) {
    writeBytes("t.txt", "old\n");
    ASSERT_TRUE(rewriteTextFile(path("t.txt"), path("Temporaire.txt"),
                                {"un", QString::fromUtf8("deux é")}));
    EXPECT_EQ(readBytes("t.txt"), QByteArray("un\r\ndeux \xE9\r\n"));
    EXPECT_FALSE(QFile::exists(path("Temporaire.txt")));
}

TEST_F(TextFileTest, FailedRewriteLeavesTheFileUntouched) {
    writeBytes("t.txt", "old\r\n");
    // A directory in the scratch file's place cannot be written.
    ASSERT_TRUE(QDir(path("")).mkdir("Temporaire.txt"));
    EXPECT_FALSE(rewriteTextFile(path("t.txt"), path("Temporaire.txt"), {"new"}));
    EXPECT_EQ(readBytes("t.txt"), QByteArray("old\r\n"));
}

TEST_F(TextFileTest, AppendEndsALastLineLeftWithoutEnd) {
    writeBytes("t.txt", "a\r\nb");
    ASSERT_TRUE(appendTextLine(path("t.txt"), path("Temporaire.txt"), "c"));
    EXPECT_EQ(readBytes("t.txt"), QByteArray("a\r\nb\r\nc\r\n"));
    writeBytes("e.txt", "");
    ASSERT_TRUE(appendTextLine(path("e.txt"), path("Temporaire.txt"), "x"));
    EXPECT_EQ(readBytes("e.txt"), QByteArray("x\r\n"));
}

TEST_F(TextFileTest, RewriteKeepsPermissionsAndLinks) {
    writeBytes("t.txt", "old\r\n");
    const auto mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(path("t.txt"), mode));
    ASSERT_TRUE(rewriteTextFile(path("t.txt"), path("Temporaire.txt"), {"new"}));
    // Owner, group and others; the "user" bits only repeat what the running user may do.
    EXPECT_EQ(QFile::permissions(path("t.txt")) & 0x7077, mode);

    // The log kept elsewhere through a link: the link stays, the file it names changes.
    QTemporaryDir elsewhere;
    const QString real = elsewhere.filePath("real.log");
    QFile f(real);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("old\r\n");
    f.close();
    ASSERT_TRUE(QFile::link(real, path("l.log")));
    ASSERT_TRUE(rewriteTextFile(path("l.log"), path("Temporaire.txt"), {"new"}));
    EXPECT_EQ(QFileInfo(path("l.log")).symLinkTarget(), real);
    EXPECT_EQ(readBytes("l.log"), "new\r\n");
    EXPECT_EQ(QDir(elsewhere.path()).entryList(QDir::Files), QStringList{"real.log"});
    EXPECT_FALSE(QFile::exists(path("Temporaire.txt")));
}
