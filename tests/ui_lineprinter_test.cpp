#include "lineprinter.h"
#include "testsupport.h"

#include <QFile>
#include <QRegularExpression>

namespace {

class LinePrinter : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        dialogs.printerPdf = dir.filePath("printed.pdf");
        printerFont() = {"Arial", 12, false};
        for (int n = 1; n <= 120; ++n)
            lines.append(QStringLiteral("%1 ligne imprimée").arg(n, 5));
    }
    QStringList lines;
};

} // namespace

TEST(LinesPerPage, CountsWholeLinesAndNeverNone) {
    const int cases[][3] = {{1000, 10, 100}, {1009, 10, 100}, {999, 10, 99}, {10, 10, 1},
                            {9, 10, 1},      {0, 10, 1},      {500, 0, 1}};
    for (const auto& c : cases)
        EXPECT_EQ(linesPerPage(c[0], c[1]), c[2]) << c[0] << " / " << c[1];
}

TEST_F(LinePrinter, LongListGoesOverSeveralFullPagesInTheListFont) {
    const QList<QStringList> pages = printLines(lines);
    ASSERT_GE(pages.size(), 2);
    QStringList again;
    for (const QStringList& page : pages) {
        // Every page but the last is filled before the next starts.
        EXPECT_EQ(page.size(), &page == &pages.last() ? page.size() : pages[0].size());
        again += page;
    }
    EXPECT_EQ(again, lines);
    QFile pdf(dialogs.printerPdf);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QString bytes = QString::fromLatin1(pdf.readAll());
    // Page objects, not the /Pages tree.
    EXPECT_EQ(bytes.count(QRegularExpression("/Type\\s*/Page(?![a-zA-Z])")), pages.size());
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
        dialogs.printerAnswer = c.chosen;
        dialogs.printerPdf = c.pdf;
        dialogs.messages.clear();
        EXPECT_TRUE(printLines(lines).isEmpty());
        EXPECT_FALSE(QFile::exists(c.pdf));
        EXPECT_EQ(dialogs.messages, c.messages);
        EXPECT_EQ(printerFont(), (PrinterFont{"Arial", 12, false}));
    }
}
