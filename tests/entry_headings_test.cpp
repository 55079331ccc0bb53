#include "entry_support.h"

#include <QAction>
#include <QStringListModel>

namespace {

// Where each run of characters without a blank starts.
QList<int> tokenColumns(const QString& text, int from = 0) {
    QList<int> out;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i] != u' ' && (i == 0 || text[i - 1] == u' '))
            out.append(from + int(i));
    return out;
}

// The x where each run of ink starts in the band, after at least `gap` pixels without ink.
QList<int> inkStarts(const QImage& image, const QRect& band, double gap) {
    QList<int> out;
    int blank = 1 << 20;
    for (int x = band.left(); x <= band.right(); ++x) {
        bool ink = false;
        for (int y = band.top(); y <= band.bottom() && !ink; ++y)
            ink = qGray(image.pixel(x, y)) < 160;
        if (ink && blank >= gap)
            out.append(x);
        blank = ink ? 0 : blank + 1;
    }
    return out;
}

} // namespace

class HeadingsTest : public MainTest {};

TEST_F(HeadingsTest, EachHeadingWordStartsOverItsColumn) {
    setStation("F1ABC", {logLine("I1ABC", "MI012", "05/12/26", "14:30", "SSB", "14 Mhz", true)});
    start();
    const auto menu = [this](const char* entry) {
        return [this, entry] { w<QAction>(entry)->trigger(); };
    };
    const struct {
        std::function<void()> open;
        const char* screen;
        QStringList headings;
        const char* list;
        // In a line of the list, what each heading word stands over ("" for the line's start).
        QStringList under;
    } cases[] = {
        {menu("Mnu_Liste_DCI"),
         "Aff_Contacte",
         {"Label2"},
         "Liste_QSO_Contacte",
         {"MI012", "CASTELLO", "+", "+", "05/12/26", "I1ABC", "14 Mhz", "SSB", "*"}},
        {menu("Mnu_Provinces_DCLO"),
         "Aff_Contacte_DCLO",
         {"Label2"},
         "Liste_QSO_Contacte",
         {"MI012", "CASTELLO", "+", "+", "05/12/26", "I1ABC", "*"}},
        {menu("Mnu_Locators_WAIS"),
         "Aff_Contacte_WAIS",
         {"Label1"},
         "Liste_Locators",
         {"", "I1ABC", "05/12/2026", "1430", "20m", "PHONE", "MI ", "MI012", "*"}},
        {[this] {
             click("Recherche");
             Keyboard::typeEnter("I1ABC");
         },
         "Recherche_Indicatif",
         {"Label13", "Label10"},
         "QSO_Effectues",
         {"", "I1ABC", "05/12/26", "MI012", "+", "CASTELLO", "+", "+", "*"}},
    };
    for (const auto& c : cases) {
        c.open();
        QApplication::processEvents();
        QWidget* screen = topLevel(c.screen);
        ASSERT_NE(screen, nullptr) << c.screen;
        auto* list = screen->findChild<QListView*>(c.list);
        ASSERT_NE(list, nullptr) << c.list;
        list->clearSelection();
        int row = 0;
        while (row < list->model()->rowCount() &&
               list->model()->index(row, 0).data().toString().trimmed().isEmpty())
            ++row;
        const QString line = list->model()->index(row, 0).data().toString();
        QApplication::processEvents();
        const QImage image = screen->grab().toImage();
        // The font's advance, which may be a fraction of a pixel, only sets the gap between words.
        const double gap = 0.75 * QFontMetrics(list->font()).horizontalAdvance(u' ');
        const QRect viewport(list->viewport()->mapTo(screen, QPoint(0, 0)),
                             list->viewport()->size());
        // The line: where its columns stand.
        QRect band = list->visualRect(list->model()->index(row, 0));
        band.moveTopLeft(list->viewport()->mapTo(screen, band.topLeft()));
        band = band.intersected(viewport);
        const QList<int> lineInk = inkStarts(image, band, gap);
        const QList<int> lineColumns = tokenColumns(line);
        ASSERT_FALSE(lineInk.isEmpty()) << c.screen;
        ASSERT_LE(lineInk.size(), lineColumns.size()) << c.screen;
        ASSERT_GE(lineInk.size(), 3) << c.screen;
        // The line's columns: x = origin + pitch * column, fitted to where its fields start.
        double mc = 0, mx = 0, cc = 0, cx = 0;
        const int n = int(lineInk.size());
        for (int i = 0; i < n; ++i) {
            mc += double(lineColumns[i]) / n;
            mx += double(lineInk[i]) / n;
        }
        for (int i = 0; i < n; ++i) {
            cc += (lineColumns[i] - mc) * (lineColumns[i] - mc);
            cx += (lineColumns[i] - mc) * (lineInk[i] - mx);
        }
        const double pitch = cx / cc;
        const double origin = mx - pitch * mc;
        // The heading: each of its words over the column of the field it names.
        QList<int> headingColumns;
        QRect headingBand;
        int word = 0;
        int previous = 0;
        for (const QString& name : c.headings) {
            auto* heading = screen->findChild<QLabel*>(name);
            ASSERT_NE(heading, nullptr) << name.toStdString();
            headingBand |= QRect(heading->mapTo(screen, QPoint(0, 0)), heading->size());
            const QStringList words = heading->text().split(u' ', Qt::SkipEmptyParts);
            for (const QString& text : words) {
                ASSERT_LT(word, c.under.size()) << c.screen;
                const QString& under = c.under[word++];
                // "+": after the previous word and a blank.
                const int column =
                    under == "+" ? headingColumns.last() + previous + 1 : int(line.indexOf(under));
                ASSERT_GE(column, 0) << under.toStdString();
                headingColumns.append(column);
                previous = int(text.size());
            }
        }
        EXPECT_EQ(word, c.under.size()) << c.screen;
        std::sort(headingColumns.begin(), headingColumns.end());
        headingBand =
            headingBand.intersected(QRect(viewport.left(), 0, viewport.width(), image.height()));
        const QList<int> headingInk = inkStarts(image, headingBand, gap);
        int shown = 0;
        while (shown < headingColumns.size() &&
               origin + pitch * headingColumns[shown] < viewport.right() - 2 * pitch)
            ++shown;
        ASSERT_GE(headingInk.size(), shown) << c.screen;
        for (int i = 0; i < shown; ++i)
            EXPECT_NEAR(headingInk[i], origin + pitch * headingColumns[i], 0.4 * pitch)
                << c.screen << " word " << i << " column " << headingColumns[i];
        closeTopLevels();
    }
}
