#include "codepage.h"
#include "testsupport.h"
#include "textfile.h"

#include <QDir>

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
        {"a\rb\r\n", {"a\rb"}},
    };
    for (const auto& c : cases) {
        writeBytes("t.txt", c.bytes);
        QStringList lines;
        ASSERT_TRUE(readTextLines(path("t.txt"), lines));
        EXPECT_EQ(lines, c.lines) << c.bytes.toStdString();
    }
    QStringList lines;
    EXPECT_FALSE(readTextLines(path("missing.txt"), lines));
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
    ASSERT_TRUE(appendTextLine(path("t.txt"), "c"));
    EXPECT_EQ(readBytes("t.txt"), QByteArray("a\r\nb\r\nc\r\n"));
    writeBytes("e.txt", "");
    ASSERT_TRUE(appendTextLine(path("e.txt"), "x"));
    EXPECT_EQ(readBytes("e.txt"), QByteArray("x\r\n"));
}
