#include "reglementtext.h"
#include "testsupport.h"

#include <QRegularExpression>

namespace {

struct Shape {
    QList<int> empty;                    // line numbers from 1
    QList<std::pair<int, int>> sections; // section number, line number
};

Shape shape(const QStringList& lines) {
    static const QRegularExpression section("^(\\d+)\\) ");
    Shape s;
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].isEmpty())
            s.empty << i + 1;
        if (const auto m = section.match(lines[i]); m.hasMatch())
            s.sections.append({m.captured(1).toInt(), i + 1});
    }
    return s;
}

// No person's details: the rules say where to find the current managers.
void expectNoPersonalDetails(const QStringList& lines) {
    static const QRegularExpression mail("@|www\\.|http");
    static const QRegularExpression callsign("\\b[A-Z]{1,2}\\d[A-Z]{1,3}\\b");
    for (const QString& l : lines) {
        EXPECT_FALSE(mail.match(l).hasMatch()) << l.toStdString();
        EXPECT_FALSE(callsign.match(l).hasMatch()) << l.toStdString();
    }
}

} // namespace

TEST(Rules, DciStructure) {
    const QStringList dci = awards::dciRules();
    ASSERT_EQ(dci.size(), 111);
    const Shape s = shape(dci);
    EXPECT_EQ(s.empty, (QList<int>{1,  3,  7,  14, 16, 18, 30, 32, 34,  37, 41,
                                   44, 47, 49, 59, 63, 65, 86, 88, 104, 109}));
    EXPECT_EQ(s.sections, (QList<std::pair<int, int>>{{1, 4},
                                                      {2, 8},
                                                      {3, 15},
                                                      {4, 17},
                                                      {5, 19},
                                                      {6, 31},
                                                      {8, 33},
                                                      {10, 35},
                                                      {11, 38},
                                                      {12, 42},
                                                      {13, 45},
                                                      {14, 48},
                                                      {15, 50},
                                                      {16, 57},
                                                      {17, 60},
                                                      {18, 64},
                                                      {19, 87},
                                                      {20, 105}}));
    EXPECT_TRUE(dci[109].contains("3 décembre 2001"));
    EXPECT_TRUE(dci[110].startsWith("Traduction"));
    // The facts the score relies on.
    EXPECT_TRUE(dci.join('\n').contains("20 chateaux dans 5 régions"));
    EXPECT_TRUE(dci.join('\n').contains("province de Cuneo est obligatoire"));
    expectNoPersonalDetails(dci);
}

TEST(Rules, DcpcStructureAndSharedLines) {
    const QStringList dcpc = awards::dcpcRules();
    ASSERT_EQ(dcpc.size(), 80);
    const Shape s = shape(dcpc);
    EXPECT_EQ(s.empty,
              (QList<int>{1, 3, 7, 9, 11, 21, 24, 26, 30, 33, 36, 38, 48, 52, 55, 57, 73, 78}));
    QList<std::pair<int, int>> sections;
    const int starts[] = {4, 8, 10, 12, 22, 25, 27, 31, 34, 37, 39, 46, 49, 53, 56, 74};
    for (int i = 0; i < 16; ++i)
        sections.append({i + 1, starts[i]});
    EXPECT_EQ(s.sections, sections);
    EXPECT_TRUE(dcpc[78].contains("3 décembre 2001"));
    EXPECT_TRUE(dcpc[79].startsWith("Traduction"));
    EXPECT_TRUE(dcpc.join('\n').contains("10 chateaux différents de la province de Cuneo"));
    expectNoPersonalDetails(dcpc);

    // Lines the two texts share word for word (1-based line numbers, DCI then DCPC).
    const QStringList dci = awards::dciRules();
    const std::pair<int, int> shared[] = {
        {5, 5},   {6, 6},   {20, 13}, {25, 18}, {39, 28},  {43, 32},  {46, 35},  {51, 40}, {56, 45},
        {58, 47}, {61, 50}, {62, 51}, {89, 58}, {103, 72}, {108, 77}, {110, 79}, {111, 80}};
    for (const auto& [d, p] : shared)
        EXPECT_EQ(dci[d - 1], dcpc[p - 1]) << d << " " << p;
    // The section bodies are shared too, behind their own numbers.
    EXPECT_EQ(dci[14].mid(3), dcpc[7].mid(3));
    EXPECT_EQ(dci[37].mid(4), dcpc[26].mid(3));
}
