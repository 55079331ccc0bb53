#include "reglementtext.h"
#include "testsupport.h"

#include <QRegularExpression>

namespace {

// Where the empty lines and the numbered sections are (line numbers from 1), and that no
// person's details are given: the rules say where to find the current managers.
void expectShape(const QStringList& lines, const QList<int>& empty, const QList<int>& numbers,
                 const QList<int>& starts) {
    static const QRegularExpression section("^(\\d+)\\) ");
    static const QRegularExpression personal("@|www\\.|http|\\b[A-Z]{1,2}\\d[A-Z]{1,3}\\b");
    QList<int> foundEmpty, foundNumbers, foundStarts;
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].isEmpty())
            foundEmpty << i + 1;
        if (const auto m = section.match(lines[i]); m.hasMatch()) {
            foundNumbers << m.captured(1).toInt();
            foundStarts << i + 1;
        }
        EXPECT_FALSE(personal.match(lines[i]).hasMatch()) << lines[i].toStdString();
    }
    EXPECT_EQ(foundEmpty, empty);
    EXPECT_EQ(foundNumbers, numbers);
    EXPECT_EQ(foundStarts, starts);
    EXPECT_TRUE(lines.last().startsWith("Traduction"));
}

} // namespace

TEST(Rules, DciText) {
    const QStringList dci = awards::dciRules();
    ASSERT_EQ(dci.size(), 111);
    expectShape(dci,
                {1, 3, 7, 14, 16, 18, 30, 32, 34, 37, 41, 44, 47, 49, 59, 63, 65, 86, 88, 104, 109},
                {1, 2, 3, 4, 5, 6, 8, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20},
                {4, 8, 15, 17, 19, 31, 33, 35, 38, 42, 45, 48, 50, 57, 60, 64, 87, 105});
    // The facts the score relies on.
    EXPECT_TRUE(dci.join('\n').contains("20 chateaux dans 5 régions"));
    EXPECT_TRUE(dci.join('\n').contains("province de Cuneo est obligatoire"));
    EXPECT_EQ(dci[50], QString::fromUtf8("    - se tenir à 500 metres au moins du chateau ;"));
}

TEST(Rules, DcpcText) {
    const QStringList dcpc = awards::dcpcRules();
    ASSERT_EQ(dcpc.size(), 80);
    expectShape(dcpc, {1, 3, 7, 9, 11, 21, 24, 26, 30, 33, 36, 38, 48, 52, 55, 57, 73, 78},
                {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16},
                {4, 8, 10, 12, 22, 25, 27, 31, 34, 37, 39, 46, 49, 53, 56, 74});
    EXPECT_TRUE(dcpc.join('\n').contains("10 chateaux différents de la province de Cuneo"));
    EXPECT_EQ(dcpc[39], QString::fromUtf8("    - se tenir à 500 metres au moins du chateau ;"));
}
