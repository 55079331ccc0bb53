#include "awards_support.h"
#include "dcilist.h"

using namespace awards;

namespace {

// The castle name column of a test QSO: "CASTELLO " and the reference, filled to 60.
QString name60(const QString& reference) {
    return ("CASTELLO " + reference).leftJustified(60);
}

QStringList references(const QStringList& listLines) {
    QStringList refs;
    for (const QString& l : listLines)
        refs << l.mid(1, 5);
    return refs;
}

} // namespace

TEST(DciList, ALineCutShortKeepsItsColumns) {
    EXPECT_EQ(listOf(Award::Dci, Shown::Contacted, {"I1ABC"}).lines[0],
              " " + blanks(67) + "  " + blanks(8) + "  I1ABC" + blanks(25));
    EXPECT_EQ(listOf(Award::Dclo, Shown::Contacted, {castleQso("MI001").left(36)}).lines[1].size(),
              95);
}

TEST(DciList, SortOrder) {
    const auto sorted = [](const QStringList& log) {
        return listOf(Award::Dci, Shown::Contacted, log).lines;
    };
    EXPECT_EQ(references(sorted({castleQso("CN100"), castleQso("BG001"), castleQso("CN010"),
                                 castleQso("AL001")})),
              (QStringList{"AL001", "BG001", "CN010", "CN100"}));
    // Case is ignored: a lower-case reference takes its place among the others.
    EXPECT_EQ(references(sorted({castleQso("CN002"), castleQso("cn001"), castleQso("CN003")})),
              (QStringList{"cn001", "CN002", "CN003"}));

    // One castle: the date text decides, not the calendar, then the callsign.
    QStringList dateCall;
    for (const QString& l : sorted({castleQso("CN001", false, "I1ZZZ", "02/01/07"),
                                    castleQso("CN001", false, "I1BBB", "01/12/07"),
                                    castleQso("CN001", false, "I1AAA", "02/01/07")}))
        dateCall << l.mid(70, 8) + " " + l.mid(80, 5);
    EXPECT_EQ(dateCall, (QStringList{"01/12/07 I1BBB", "02/01/07 I1AAA", "02/01/07 I1ZZZ"}));
}

TEST(DcloList, LombardCodesComparedExactly) {
    const QStringList log = {castleQso("MI001", true), castleQso("mi002", true),
                             castleQso("MB001", true), castleQso("BG001"),
                             castleQso("VA001", true), castleQso(" MI01")};
    EXPECT_EQ(references(listOf(Award::Dclo, Shown::Contacted, log).lines),
              (QStringList{"", "BG001", "MI001", "VA001"}));
}

TEST(DciList, NumberingFillsFiveColumns) {
    const QStringList items(10000, "x");
    const QStringList saved = savedList(Award::Dci, "F1ABC", Shown::Contacted, {}, items).lines;
    EXPECT_EQ(saved[4], "    1 x");
    EXPECT_EQ(saved[4 + 9999], "10000 x");
    // The DCLO list's first item is its empty line, which is neither saved nor printed.
    const QStringList dclo = savedList(Award::Dclo, "F1ABC", Shown::Contacted, {}, items).lines;
    EXPECT_EQ(dclo[4], "    1 x");
    EXPECT_EQ(dclo.size(), 4 + 9999 + 2);
    const QStringList printed = printedList(Award::Dclo, "F1ABC", Shown::Contacted, {}, items);
    EXPECT_EQ(printed[4], "        1 x");
    EXPECT_EQ(printed.size(), 4 + 9999 + 3);
}

TEST(DciList, PrintedPages) {
    const QDate date(2026, 12, 5);
    EXPECT_EQ(
        printedList(Award::Dci, "F1ABC", Shown::Confirmed, date,
                    {listOf(Award::Dci, Shown::Contacted, {castleQso("CN001", true)}).lines[0]}),
        (QStringList{
            "                          F1ABC Liste des Chateaux Italiens confirmés au "
            "05/12/2026",
            "",
            "        N°  Ref          Nom du Chateau                                         "
            "  Date   Indicatif               Bande  Mode QSL",
            "",
            // Band, mode and QSL marker are not printed.
            "        1  CN001  " + name60("CN001") + "  05/12/26  I1ABC         ",
            "",
            "",
            "Liste établie par ZELK_DCI",
        }));
    EXPECT_EQ(printedList(
                  Award::Dclo, "F1ABC", Shown::Contacted, date,
                  {"", listOf(Award::Dclo, Shown::Contacted, {castleQso("MI001", true)}).lines[1]}),
              (QStringList{
                  "              F1ABC Liste alphanumerique des Chateaux de Lombardie contactés "
                  "au 05/12/2026",
                  "",
                  "        N°  Ref          Nom du Chateau                                         "
                  "  Date   Indicatif     QSL",
                  "",
                  "        1  MI001  " + name60("MI001") + "  05/12/26  I1ABC         *",
                  "",
                  "",
                  "Liste établie par ZELK_DCI",
              }));
}
