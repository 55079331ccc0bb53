#include "entry_support.h"

#include "listheading.h"

#include <QAction>

using HeadingsTest = MainTest;

TEST_F(HeadingsTest, EachHeadingWordStandsOverItsColumn) {
    setStation("F1ABC", {logLine("I1ABC", "MI012", "05/12/26", "14:30", "SSB", "14 Mhz", true)});
    start();
    const struct {
        const char* opener; // a menu entry, or a button of Main followed by a search
        const char* screen;
        QStringList headings;
        const char* list;
        // In a line of the list, what each heading word stands over ("" for the line's start,
        // "+" for after the previous word and a blank).
        QStringList under;
    } cases[] = {
        {"Mnu_Liste_DCI",
         "Aff_Contacte",
         {"Label2"},
         "Liste_QSO_Contacte",
         {"MI012", "CASTELLO", "+", "+", "05/12/26", "I1ABC", "14 Mhz", "SSB", "*"}},
        {"Mnu_Locators_WAIS",
         "Aff_Contacte_WAIS",
         {"Label1"},
         "Liste_Locators",
         {"", "I1ABC", "05/12/2026", "1430", "20m", "PHONE", "MI ", "MI012", "*"}},
        {"Recherche",
         "Recherche_Indicatif",
         {"Label13", "Label10"},
         "QSO_Effectues",
         {"", "I1ABC", "05/12/26", "MI012", "+", "CASTELLO", "+", "+", "*"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.screen);
        if (auto* action = main->findChild<QAction*>(c.opener)) {
            action->trigger();
        } else {
            click(c.opener);
            Keyboard::typeEnter("I1ABC");
        }
        QWidget* screen = topLevel(c.screen);
        ASSERT_NE(screen, nullptr);
        QString line;
        for (const QString& shown : lines(screen, c.list))
            line = line.isEmpty() && !shown.trimmed().isEmpty() ? shown : line;
        QList<ListHeading::Word> words;
        for (const QString& name : c.headings)
            words += child<ListHeading>(screen, name)->words();
        ASSERT_EQ(words.size(), c.under.size());
        for (qsizetype i = 0; i < words.size(); ++i) {
            const ListHeading::Word* before = i ? &words[i - 1] : nullptr;
            const qsizetype column = c.under[i] == "+" && before
                                         ? before->column + before->text.size() + 1
                                         : line.indexOf(c.under[i]);
            EXPECT_EQ(words[i].column, column) << words[i].text.toStdString();
        }
        closeTopLevels();
    }
}
