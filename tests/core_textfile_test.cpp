#include "castlelist.h"
#include "codepage.h"
#include "firstnamelist.h"
#include "linetable.h"
#include "stationlog.h"
#include "testsupport.h"
#include "textfile.h"

#include <QDir>
#include <QFileInfo>

#include <functional>
#include <sys/stat.h>

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

TEST_F(TextFileTest, RewriteAndAppendReplaceTheFileWholeOrNotAtAll) {
    writeBytes("t.txt", "old\n");
    ASSERT_TRUE(rewriteTextFile(path("t.txt"), path("Temporaire.txt"),
                                {"un", QString::fromUtf8("deux é")}));
    EXPECT_EQ(readBytes("t.txt"), QByteArray("un\r\ndeux \xE9\r\n"));
    EXPECT_FALSE(QFile::exists(path("Temporaire.txt")));
    writeBytes("t.txt", "a\r\nb");
    ASSERT_TRUE(appendTextLine(path("t.txt"), path("Temporaire.txt"), "c"));
    EXPECT_EQ(readBytes("t.txt"), QByteArray("a\r\nb\r\nc\r\n"));
    writeBytes("e.txt", "");
    ASSERT_TRUE(appendTextLine(path("e.txt"), path("Temporaire.txt"), "x"));
    EXPECT_EQ(readBytes("e.txt"), QByteArray("x\r\n"));
    // A directory in the scratch file's place cannot be written.
    ASSERT_TRUE(QDir(path("")).mkdir("Temporaire.txt"));
    EXPECT_FALSE(rewriteTextFile(path("t.txt"), path("Temporaire.txt"), {"new"}));
    EXPECT_FALSE(appendTextLine(path("t.txt"), path("Temporaire.txt"), "new"));
    EXPECT_EQ(readBytes("t.txt"), QByteArray("a\r\nb\r\nc\r\n"));
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

TEST_F(TextFileTest, OnlyRegularFilesAreRead) {
    const QStringList files{"IK1ABC_DCI.log", "Liste_Chateau.txt", "Liste_Prenom.txt"};
    const struct {
        const char* kind;
        std::function<bool(const QString&)> make;
    } kinds[] = {
        {"FIFO", [](const QString& p) { return ::mkfifo(QFile::encodeName(p), 0600) == 0; }},
        {"device", [](const QString& p) { return QFile::link("/dev/zero", p); }},
        {"directory", [](const QString& p) { return QDir().mkdir(p); }},
    };
    for (const auto& k : kinds) {
        SCOPED_TRACE(k.kind);
        for (const QString& name : files) {
            QFile::remove(path(name));
            QDir().rmdir(path(name));
            ASSERT_TRUE(k.make(path(name)));
            QStringList lines;
            EXPECT_FALSE(readTextLines(path(name), lines));
            LineTable table;
            EXPECT_FALSE(table.read(path(name)));
        }
        const StationLog log("IK1ABC");
        EXPECT_FALSE(log.readable());
        EXPECT_FALSE(log.appendQso(logLine("I1NEW", "AQ001")));
        EXPECT_EQ(CastleList::FindCastle("AQ001").status, CastleList::Status::NotFound);
        EXPECT_EQ(FirstNameList::FindFirstName("I1NEW"), std::nullopt);
        EXPECT_FALSE(FirstNameList::UpdateFirstNameList("I1NEW", "ANNA"));
        EXPECT_FALSE(QFileInfo(path("Liste_Prenom.txt")).isFile());
    }
}

TEST_F(TextFileTest, ScratchAndWorkFilesAreNeverWrittenThroughALink) {
    QTemporaryDir elsewhere;
    const QString kept = elsewhere.filePath("kept.txt");
    QFile f(kept);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("kept\r\n");
    f.close();
    const QString first = logLine("I1ABC", "AQ001", "01/02/07");
    const QString added = logLine("I1NEW", "AQ002", "01/01/07");
    setStation("IK1ABC", {first});
    const StationLog log("IK1ABC");
    const struct {
        const char* link;
        std::function<bool()> write;
    } writes[] = {
        {"Temporaire.txt", [&] { return log.appendQso(added); }},
        {"Temporaire6.txt", [&] { return log.insertQsoByDateTime(added); }},
        {"Temporaire.txt", [&] { return log.replaceQso(first, added, 1); }},
        {"Temporaire.txt", [] { return FirstNameList::UpdateFirstNameList("I1NEW", "ANNA"); }},
        {"Temporaire_Export.txt", [] { return writeProgramFile("IK1ABC_DCI.adi", {"export"}); }},
        {"Tempo_Locator.txt", [] { return writeWorkFile("Tempo_Locator.txt", {}); }},
    };
    for (const auto& w : writes) {
        ASSERT_TRUE(QFile::link(kept, path(w.link)));
        EXPECT_TRUE(w.write()) << w.link;
        EXPECT_FALSE(QFileInfo(path(w.link)).isSymLink()) << w.link;
    }
    QFile check(kept);
    ASSERT_TRUE(check.open(QIODevice::ReadOnly));
    EXPECT_EQ(check.readAll(), "kept\r\n");
    EXPECT_EQ(readBytes("IK1ABC_DCI.log"), crlf({first, first, added}));
    EXPECT_EQ(readBytes("Liste_Prenom.txt").right(22), "I1NEW           ANNA\r\n");
    EXPECT_EQ(readBytes("Tempo_Locator.txt"), "");
}

TEST(LineTableTest, AListShowsOnlyTheHeadOfALongLine) {
    const LineTable table = LineTable::fromBytes(QByteArray(1 << 20, 'x') + "\r\nab");
    EXPECT_EQ(table.shownLine(0), QString(400, u'x'));
    EXPECT_EQ(table.shownLine(1), "ab");
    EXPECT_EQ(table.line(0).size(), 1 << 20);
}
