#include "codepage.h"
#include "linetable.h"
#include "logbytes.h"
#include "testsupport.h"
#include "textfile.h"

#include <QDir>
#include <QFileInfo>

#include <sys/stat.h>

TEST(CodePage, EveryByteRoundTripsAndOtherCharactersBecomeQuestionMarks) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = decodeCp1252(all);
    EXPECT_EQ(encodeCp1252(text), all);
    EXPECT_EQ(text.mid(0x80, 2) + text[0xE9], QString::fromUtf8("€\u0081é"));
    EXPECT_EQ(encodeCp1252(QString::fromUtf8("Ré€ł中😀")), QByteArray("R\xE9\x80????"));
    EXPECT_EQ(toUpperCp1252(QString::fromUtf8("aéßµÿœ-1")), QString::fromUtf8("AÉßµŸŒ-1"));
}

class TextFileTest : public ProgramTest {};

TEST(LineTable, ReadsLinesWhateverTheirEnd) {
    const std::pair<QByteArray, QStringList> cases[] = {
        {"", {}},
        {"a\nb", {"a", "b"}},
        {"a\n\r\nb\n", {"a", "", "b"}},
        {"\xE9t\xE9\r\n", {QString::fromUtf8("été")}},
        {"a\rb\r\nc", {"a", "b", "c"}},
        {"a\r\rb\r", {"a", "", "b"}},
    };
    for (const auto& [bytes, expected] : cases)
        EXPECT_EQ(LineTable::fromBytes(bytes).lines(), expected) << bytes.toStdString();
    // A list shows the head of a long line only; the last row is read like the others.
    const LineTable table = LineTable::fromBytes(QByteArray(1 << 20, 'x') + "\r\nab");
    EXPECT_EQ(table.shownLine(0), QString(400, u'x'));
    EXPECT_EQ(table.shownLine(1), "ab");
    EXPECT_EQ(table.bytes(2), QByteArrayView());
}

TEST_F(TextFileTest, ReadsOnlyRegularFilesAndLinesAcrossThePiecesReadAtATime) {
    // A CR LF cut by the end of a piece, then a line longer than two pieces.
    const QByteArray piece(kScanPiece - 1, 'a'), longLine(2 * kScanPiece + 1, 'b');
    writeBytes("t.txt", piece + "\r\n" + longLine + "\r\nz");
    QList<QByteArray> lines;
    ASSERT_TRUE(scanLines(path("t.txt"), [&lines](QByteArrayView l) {
        lines.append(l.toByteArray());
        return false;
    }));
    EXPECT_EQ(lines, (QList<QByteArray>{piece, longLine, "z"}));

    ASSERT_EQ(::mkfifo(QFile::encodeName(path("fifo")).constData(), 0600), 0);
    ASSERT_TRUE(QDir(path("")).mkdir("dir"));
    for (const QString& special : {path("fifo"), QStringLiteral("/dev/null"), path("dir")}) {
        QStringList read;
        EXPECT_FALSE(readTextLines(special, read)) << special.toStdString();
        EXPECT_FALSE(LineTable().read(special)) << special.toStdString();
    }
}

TEST_F(TextFileTest, RewritesKeepPermissionsAndLinks) {
    writeBytes("t.txt", "old\n");
    const auto mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(path("t.txt"), mode));
    ASSERT_TRUE(rewriteTextFile(path("t.txt"), path("Temporaire.txt"), {"new"}));
    // Owner, group and others; the "user" bits only repeat what the running user may do.
    EXPECT_EQ(QFile::permissions(path("t.txt")) & 0x7077, mode);

    // The log kept elsewhere through a link: the link stays, the file it names changes.
    QTemporaryDir elsewhere;
    const QString real = elsewhere.filePath("real.log");
    ASSERT_TRUE(QFile::copy(path("t.txt"), real));
    ASSERT_TRUE(QFile::link(real, path("l.log")));
    ASSERT_TRUE(rewriteTextFile(path("l.log"), path("Temporaire.txt"), {"newer"}));
    EXPECT_EQ(QFileInfo(path("l.log")).symLinkTarget(), real);
    EXPECT_EQ(readBytes("l.log"), "newer\r\n");
    // A link left where the scratch file goes is replaced, not written through.
    ASSERT_TRUE(QFile::link(elsewhere.filePath("victim.txt"), path("Temporaire.txt")));
    ASSERT_TRUE(rewriteTextFile(path("t.txt"), path("Temporaire.txt"), {"x"}));
    EXPECT_EQ(QDir(elsewhere.path()).entryList(QDir::Files), QStringList{"real.log"});
}

TEST(LogBytes, TrimmedBlanksAreThoseOfTheDecodedTextAndNumbersArePadded) {
    for (int b = 0; b < 256; ++b) {
        const QByteArray alone(1, char(b)), padded = alone + "A" + alone + alone + "B" + alone;
        EXPECT_EQ(isCp1252Space(char(b)), decodeCp1252(alone).trimmed().isEmpty()) << b;
        EXPECT_EQ(decodeCp1252(trimmedBytes(padded)), decodeCp1252(padded).trimmed()) << b;
    }
    // Blanks filling a column out are passed eight at a time, other white among them.
    EXPECT_EQ(trimmedBytes(QByteArray(9, ' ') + "A\t" + QByteArray(17, ' ') + "\xa0        "), "A");
    for (const auto& [n, width, digits] : {std::tuple<qint64, int, QByteArray>{1, 5, "    1"},
                                           {99999, 5, "99999"},
                                           {123456, 5, "123456"},
                                           {0, 0, "0"}}) {
        QByteArray out = "x";
        appendNumber(out, n, width);
        EXPECT_EQ(out, "x" + digits) << n;
    }
}
