#include "lineprinter.h"
#include "testsupport.h"

#include <QFile>
#include <QRegularExpression>

namespace {

// Notes the printer's font at the moment the printer is chosen.
class FontNotingDialogs : public FakeDialogs {
public:
    bool choosePrinter(QPrinter& printer) override {
        fontWhenChoosing = printerFont();
        return FakeDialogs::choosePrinter(printer);
    }
    PrinterFont fontWhenChoosing;
};

class LinePrinter : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        Dialogs::setInstance(&noting);
        noting.printerPdf = dir.filePath("printed.pdf");
        printerFont() = {"Arial", 12, false};
    }
    QByteArray pdf() const {
        QFile f(noting.printerPdf);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Page objects of the PDF (not the /Pages tree).
    static int pdfPages(const QByteArray& bytes) {
        static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
        return int(QString::fromLatin1(bytes).count(page));
    }
    static QStringList numbered(int count) {
        QStringList lines;
        for (int n = 1; n <= count; ++n)
            lines.append(QStringLiteral("%1 ligne imprimée").arg(n, 5));
        return lines;
    }
    FontNotingDialogs noting;
};

} // namespace

TEST(LinesPerPage, CountsWholeLinesAndNeverNone) {
    struct Case {
        int pageHeight, lineHeight, expected;
    };
    const Case cases[] = {{1000, 10, 100}, {1009, 10, 100}, {999, 10, 99}, {10, 10, 1},
                          {9, 10, 1},      {0, 10, 1},      {500, 0, 1}};
    for (const Case& c : cases)
        EXPECT_EQ(linesPerPage(c.pageHeight, c.lineHeight), c.expected)
            << c.pageHeight << " / " << c.lineHeight;
}

TEST_F(LinePrinter, LongListGoesOverSeveralFullPagesInTheListFont) {
    const QStringList lines = numbered(120);
    const QList<QStringList> pages = printLines(lines);
    EXPECT_EQ(noting.fontWhenChoosing, (PrinterFont{"Courier New", 9, true}));
    EXPECT_EQ(printerFont(), (PrinterFont{"Arial", 12, false}));
    ASSERT_GE(pages.size(), 2);
    QStringList again;
    for (const QStringList& page : pages)
        again += page;
    EXPECT_EQ(again, lines);
    // Every page but the last is filled before the next starts.
    for (qsizetype p = 1; p + 1 < pages.size(); ++p)
        EXPECT_EQ(pages[p].size(), pages[0].size());
    EXPECT_LE(pages.last().size(), pages[0].size());
    const QByteArray bytes = pdf();
    ASSERT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(pdfPages(bytes), pages.size());

    // A larger font fits fewer lines on a page.
    EXPECT_GT(pages[0].size(),
              printLines(lines, {"Courier New", 18, false}).first().size() * 3 / 2);
}

TEST_F(LinePrinter, CancelledOrFailedPrintingPrintsNothingAndGivesTheFontBack) {
    const struct {
        bool chosen;
        QString pdf;
        QStringList messages;
    } cases[] = {
        {false, dir.filePath("printed.pdf"), {}},
        {true, dir.filePath("missing/printed.pdf"), {"Impossible d'imprimer sur cette imprimante"}},
    };
    for (const auto& c : cases) {
        noting.printerAnswer = c.chosen;
        noting.printerPdf = c.pdf;
        noting.messages.clear();
        EXPECT_TRUE(printLines(numbered(3)).isEmpty());
        EXPECT_FALSE(QFile::exists(c.pdf));
        EXPECT_EQ(noting.messages, c.messages);
        EXPECT_EQ(printerFont(), (PrinterFont{"Arial", 12, false}));
    }
}
