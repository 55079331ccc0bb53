#include "dcilist.h"
#include "testsupport.h"

using namespace awards;

namespace {

QString qso(const QString& reference, bool qsl = false, const QString& callsign = "I1ABC",
            const QString& date = "05/12/26") {
    return logLine(callsign, reference, date, "14:30", "SSB", "14 Mhz", qsl);
}

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

TEST(DciList, LineColumns) {
    const QString line = dciListLine(qso("CN001", true, "IK1ABC/P"));
    EXPECT_EQ(line, " CN001  " + name60("CN001") + "  05/12/26  IK1ABC/P      14 Mhz   SSB   *");
    EXPECT_EQ(line.size(), 110);
    EXPECT_EQ(dciListLine(qso("mi001")).right(4), "    ");
    // A line cut short keeps its columns.
    EXPECT_EQ(dciListLine("I1ABC").size(), 110);

    const QString dclo = dcloListLine(qso("MI001", true));
    EXPECT_EQ(dclo, " MI001  " + name60("MI001") + "  05/12/26  I1ABC         *");
    EXPECT_EQ(dclo.size(), 95);
}

TEST(DciList, ContactedAndConfirmedModes) {
    const QStringList log = {qso("RM001"), qso("AQ001", true), qso("TO001")};
    const ListView contacted = dciList(log, Shown::Contacted);
    EXPECT_EQ(contacted.count, 3);
    EXPECT_EQ(references(contacted.lines), (QStringList{"AQ001", "RM001", "TO001"}));
    const ListView confirmed = dciList(log, Shown::Confirmed);
    EXPECT_EQ(confirmed.count, 1);
    EXPECT_EQ(references(confirmed.lines), QStringList{"AQ001"});
    const ListView none = dciList({qso("RM001")}, Shown::Confirmed);
    EXPECT_EQ(none.count, 0);
    EXPECT_TRUE(none.lines.isEmpty());
    EXPECT_EQ(dciCaption(Shown::Contacted), "DCI Contactés");
    EXPECT_EQ(dciCaption(Shown::Confirmed), "DCI Confirmés");
}

TEST(DciList, SortOrder) {
    const QStringList sorted =
        dciList({qso("CN100"), qso("BG001"), qso("CN010"), qso("AL001")}, Shown::Contacted).lines;
    EXPECT_EQ(references(sorted), (QStringList{"AL001", "BG001", "CN010", "CN100"}));

    // One castle: the date text decides, not the calendar, then the callsign.
    const QStringList byDate =
        dciList({qso("CN001", false, "I1ZZZ", "02/01/07"), qso("CN001", false, "I1BBB", "01/12/07"),
                 qso("CN001", false, "I1AAA", "02/01/07")},
                Shown::Contacted)
            .lines;
    QStringList dateCall;
    for (const QString& l : byDate)
        dateCall << l.mid(70, 8) + " " + l.mid(80, 5);
    EXPECT_EQ(dateCall, (QStringList{"01/12/07 I1BBB", "02/01/07 I1AAA", "02/01/07 I1ZZZ"}));

    // Case is ignored: a lower-case reference takes its place among the others.
    EXPECT_EQ(
        references(dciList({qso("CN002"), qso("cn001"), qso("CN003")}, Shown::Contacted).lines),
        (QStringList{"cn001", "CN002", "CN003"}));
    // Three QSOs with one castle give three lines.
    EXPECT_EQ(dciList({qso("AQ001"), qso("AQ001"), qso("AQ001")}, Shown::Contacted).count, 3);
}

TEST(DcloList, LombardCodesComparedExactly) {
    const QStringList log = {qso("MI001", true), qso("mi002", true), qso("MB001", true),
                             qso("BG001"),       qso("VA001", true), qso("RM001", true),
                             qso(" MI01")};
    const ListView contacted = dcloList(log, Shown::Contacted);
    EXPECT_EQ(contacted.count, 3);
    EXPECT_EQ(references(contacted.lines), (QStringList{"", "BG001", "MI001", "VA001"}));
    EXPECT_EQ(contacted.lines.first(), "");
    const ListView confirmed = dcloList(log, Shown::Confirmed);
    EXPECT_EQ(confirmed.count, 2);
    EXPECT_EQ(references(confirmed.lines), (QStringList{"", "MI001", "VA001"}));
    const ListView empty = dcloList({}, Shown::Contacted);
    EXPECT_EQ(empty.count, 0);
    EXPECT_EQ(empty.lines, QStringList{""});

    for (const char* code : {"BG", "BS", "CO", "CR", "LC", "LO", "MI", "MN", "PV", "SO", "VA"})
        EXPECT_TRUE(isDcloProvince(QString::fromLatin1(code))) << code;
    for (const char* code : {"MB", "mi", "Mi", "RM", " M", ""})
        EXPECT_FALSE(isDcloProvince(QString::fromLatin1(code))) << code;
}

TEST(DciList, DateTexts) {
    EXPECT_EQ(dateStamp(QDate(2026, 12, 5)), "05_12_26");
    EXPECT_EQ(fullDate(QDate(2026, 12, 5)), "05/12/2026");
    EXPECT_EQ(dateStamp(QDate(2007, 1, 31)), "31_01_07");
}

TEST(DciList, SavedAndPrintedNames) {
    const QDate date(2026, 12, 5);
    struct Case {
        Award award;
        Shown shown;
        const char* fileName;
        const char* fileTitle;
        const char* printTitle;
    };
    const Case cases[] = {
        {Award::Dci, Shown::Contacted, "F1ABC_Chateaux_Italiens_contactes au 05_12_26.txt",
         "                              F1ABC Chateaux Italiens contactés au 05/12/2026",
         "                          F1ABC Liste des Chateaux Italiens contactés au 05/12/2026"},
        {Award::Dci, Shown::Confirmed, "F1ABC_Chateaux_Italiens_confirmes au 05_12_26.txt",
         "                              F1ABC Chateaux Italiens confirmés au 05/12/2026",
         "                          F1ABC Liste des Chateaux Italiens confirmés au 05/12/2026"},
        {Award::Dclo, Shown::Contacted, "F1ABC_Chateaux_de _Lombardie_contactes_au 05_12_26.txt",
         "              F1ABC Liste Chateaux de Lombardie contactés au 05/12/2026",
         "              F1ABC Liste alphanumerique des Chateaux de Lombardie contactés au "
         "05/12/2026"},
        {Award::Dclo, Shown::Confirmed, "F1ABC_Chateaux_de _Lombardie_confirmes_au 05_12_26.txt",
         "              F1ABC Liste Chateaux de Lombardie confirmés au 05/12/2026",
         "              F1ABC Liste alphanumerique des Chateaux de Lombardie confirmés au "
         "05/12/2026"},
    };
    for (const Case& c : cases) {
        const ListFile file = savedList(c.award, "F1ABC", c.shown, date, {});
        EXPECT_EQ(file.fileName, QString::fromUtf8(c.fileName));
        EXPECT_EQ(file.lines.first(), QString::fromUtf8(c.fileTitle));
        EXPECT_EQ(printedList(c.award, "F1ABC", c.shown, date, {}).first(),
                  QString::fromUtf8(c.printTitle));
    }
    EXPECT_EQ(savedMessage("F1ABC_x.txt"), "Le log a été enregistré sous le nom : F1ABC_x.txt");
}

TEST(DciList, NumberingFillsFiveColumns) {
    QStringList items;
    for (int i = 0; i < 10000; ++i)
        items << "x";
    const QStringList saved = savedList(Award::Dci, "F1ABC", Shown::Contacted, {}, items).lines;
    EXPECT_EQ(saved[4], "    1 x");
    EXPECT_EQ(saved[13], "   10 x");
    EXPECT_EQ(saved[4 + 9999], "10000 x");
    // The DCLO list's first item is its empty line, which is neither saved nor printed.
    const QStringList dclo = savedList(Award::Dclo, "F1ABC", Shown::Contacted, {}, items).lines;
    EXPECT_EQ(dclo[4], "    1 x");
    EXPECT_EQ(dclo.size(), 4 + 9999 + 2);
    const QStringList printed = printedList(Award::Dclo, "F1ABC", Shown::Contacted, {}, items);
    EXPECT_EQ(printed[4], "        1 x");
    EXPECT_EQ(printed.size(), 4 + 9999 + 3);
}

TEST(DciList, PrintedLines) {
    const QString dci = dciListLine(qso("CN001", true));
    const QStringList dciPage =
        printedList(Award::Dci, "F1ABC", Shown::Confirmed, QDate(2026, 12, 5), {dci});
    EXPECT_EQ(dciPage,
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
    const QString dclo = dcloListLine(qso("MI001", true));
    const QStringList dcloPage =
        printedList(Award::Dclo, "F1ABC", Shown::Contacted, QDate(2026, 12, 5), {"", dclo});
    EXPECT_EQ(dcloPage.mid(2),
              (QStringList{
                  "        N°  Ref          Nom du Chateau                                         "
                  "  Date   Indicatif     QSL",
                  "",
                  "        1  MI001  " + name60("MI001") + "  05/12/26  I1ABC         *",
                  "",
                  "",
                  "Liste établie par ZELK_DCI",
              }));
}
