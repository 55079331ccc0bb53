// The award counts and lists, fed the log as the windows read it: line by line, as file bytes.
#include "awards_support.h"

using namespace awards;

namespace {

// A counter or list of the windows, given the lines of a log.
template <class T, class... Args> T counted(const QStringList& log, Args... args) {
    T counter(args...);
    for (const QString& line : log)
        counter.add(encodeCp1252(line));
    return counter;
}
ListView list(const QStringList& log, Award award = Award::Dci, Shown shown = Shown::Contacted) {
    return counted<CastleListBuilder>(log, award, shown).view();
}

QStringList column(const QStringList& lines, int at, int width) {
    QStringList found;
    for (const QString& l : lines)
        found << l.mid(at, width);
    return found;
}

} // namespace

TEST(DciScore, RegionLinesInTheOrderOfTheirCodes) {
    // "ß" is "SS" in capitals, Sassari; a no-break space is a blank; a line cut before its QSL
    // marker is contacted only.
    const QStringList log =
        castles("TO", 7, false) + castles("MB", 2, false) + castles("FM", 1, true) +
        castles("RM", 123, false) +
        QStringList{castleQso("CN001", true),
                    castleQso("cn001"),
                    castleQso("XX001", true),
                    castleQso(""),
                    castleQso("ß"),
                    castleQso("RM001").replace(LogColumns::kReference, 5, "\u00A0RM01"),
                    castleQso("MI001", true).left(40)};
    const DciScore score = counted<DciCounter>(log).score();
    // An empty line, then the regions by code; CN, of Piemont, flags both its lines, counts once.
    EXPECT_EQ(score.regionLines.join(u'|'),
              "|  0    AO Vallee d'Aoste          |  0    AZ Abruzzes                "
              "|  0    BC Basilicate              |  0    CP Campanie                "
              "|  0    EM Emilie Romagne          |  0    FL Frioul Venetie Julienne "
              "|  0    KL Calabre                 |123    LZ Latium                  "
              "|  0    LG Ligurie                 |  3    LB Lombardie               "
              "|  1    MH Marches                 *|  0    ML Molise                  "
              "|  8    PM Piemont                 *|  0    PL Pouilles                "
              "|  1    SD Sardaigne               |  0    SC Sicile                  "
              "|  0    TC Toscane                 |  0    TT Trentin Haut Adige      "
              "|  0    UM Ombrie                  |  0    VA Venetie                 ");
    EXPECT_EQ(score.cuneoLine, "  1    CN Province de Cuneo       *");
    // Every castle of the log, a reference that is no province included.
    EXPECT_EQ(std::pair(score.contacted, score.regionsConfirmed), std::pair(138, 2));
}

// Each award's thresholds; a castle counts once, whatever its QSOs and the case it is written in.
TEST(CastleScores, Thresholds) {
    const QStringList five = castles("CN", 4, true) + castles("RM", 4, true) +
                             castles("NA", 4, true) + castles("PA", 4, true) +
                             castles("MI", 4, true);
    enum Award { Dci, Dclo, Dcpc };
    const struct {
        const char* what;
        Award award;
        QStringList log;
        int contacted, confirmed, places; // places: DCI regions, DCLO provinces
        bool canClaim;
    } cases[] = {
        {"20 castles in 5 regions with CN", Dci, five, 20, 20, 5, true},
        {"19 castles", Dci, five.mid(1), 19, 19, 5, false},
        {"4 regions", Dci, five.mid(0, 16) + castles("CN", 4, true, 5), 20, 20, 4, false},
        {"CN contacted only", Dci, castles("CN", 1, false) + castles("TO", 4, true) + five.mid(4),
         21, 20, 5, false},
        {"cn in lower case", Dci, castles("cn", 4, true) + five.mid(4), 20, 20, 5, true},
        {"10 castles in 3 provinces", Dclo,
         castles("MI", 4, true) + castles("bg", 3, true) + castles("PV", 3, true), 10, 10, 3, true},
        {"2 provinces", Dclo, castles("MI", 5, true) + castles("BG", 5, true), 10, 10, 2, false},
        {"MB and RM", Dclo, castles("MB", 10, true) + castles("RM", 10, true), 0, 0, 0, false},
        {"10 castles", Dcpc, castles("CN", 10, true), 10, 10, 0, true},
        {"9 castles", Dcpc, castles("CN", 9, true) + castles("cn", 3, false, 20), 12, 9, 0, false},
    };
    const char* notYet[] = {" Vous ne pouvez pas encore obtenir", "Vous pouvez pas encore obtenir",
                            "Vous ne pouvez pas encore obtenir"};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const DciScore dci = counted<DciCounter>(c.log).score();
        const DcloScore dclo = counted<DcloCounter>(c.log).score();
        const CastleScore s = c.award == Dci    ? CastleScore(dci)
                              : c.award == Dclo ? CastleScore(dclo)
                                                : counted<DcpcCounter>(c.log).score();
        const int places = c.award == Dci ? dci.regionsConfirmed : dclo.provincesConfirmed;
        EXPECT_EQ(std::tuple(s.contacted, s.confirmed, c.award == Dcpc ? 0 : places),
                  std::tuple(c.contacted, c.confirmed, c.places));
        EXPECT_EQ(s.verdict, c.canClaim ? "Bravo vous pouvez obtenir" : notYet[c.award]);
    }
}

TEST(CastleScores, DcloProvincesAndDcpcLines) {
    // An empty line, then the eleven Lombard provinces by code.
    const QStringList dclo = counted<DcloCounter>(castles("MI", 7, false) + castles("VA", 1, true)
                                                  << castleQso("mi001", true))
                                 .score()
                                 .provinceLines;
    EXPECT_EQ(QStringList({dclo[0], dclo[7], dclo.last()}) << QString::number(dclo.size()),
              (QStringList{"", "  7    MI Province de Milan       *",
                           "  1    VA Province de Varese      *", "12"}));
    // Reference and callsign in capitals, the province as written; "ß" widens its column.
    const DcpcScore dcpc =
        counted<DcpcCounter>({castleQso("CN002", true), castleQso("RM001"),
                              castleQso("cn001", false, "ik1abc"), castleQso(" CN01"),
                              castleQso("cné01", true, "i1ßé"), castleQso("CÑ002")})
            .score();
    EXPECT_EQ(dcpc.lines, (QStringList{"  CN002  I1ABC         05/12/26    *",
                                       "  CN001  IK1ABC        05/12/26     ",
                                       "  CNÉ01  I1SSÉ          05/12/26    *", ""}));
    EXPECT_EQ(std::pair(dcpc.contacted, dcpc.confirmed), std::pair(3, 2));
}

// The whole line decides, case ignored; lines equal but for case keep the log's order.
TEST(CastleLists, SortOrderAndColumns) {
    // "é" sorts after "z", "š" after "é".
    QStringList names;
    for (const char* name : {"Šibenik", "église", "ZAMEK", "ÉGLISE", "zamek"})
        names << castleQso("CN001").replace(LogColumns::kCastleName, 60,
                                            QString::fromUtf8(name).leftJustified(60));
    EXPECT_EQ(column(list(names).lines, 8, 7),
              (QStringList{"ZAMEK  ", "zamek  ", "église ", "ÉGLISE ", "Šibenik"}));
    // A line cut short keeps its columns.
    EXPECT_EQ(list({"I1ABC"}).lines, QStringList{blanks(80) + "I1ABC" + blanks(25)});
    // The Lombard codes are compared exactly, behind an empty line.
    const ListView dclo = list({castleQso("MI001", true), castleQso("mi002", true),
                                castleQso("MB001", true), castleQso("BG001", true).left(45),
                                castleQso("VA001", true), castleQso(" MI01", true)},
                               Award::Dclo, Shown::Confirmed);
    EXPECT_EQ(column(dclo.lines, 1, 5), (QStringList{"", "MI001", "VA001"}));
    EXPECT_EQ(std::pair(dclo.lines[1].size(), dclo.count), std::pair(qsizetype(95), 2));
}

// The saved list numbers its lines; the printed one stops after the callsign. The DCLO list's
// first item, its empty line, is neither saved nor printed.
TEST(CastleLists, SavedAndPrintedPages) {
    const QDate date(2026, 12, 5);
    const QStringList listed =
        list({castleQso("CN001", true), castleQso("cn002", false, "IK1ZZZ")}).lines;
    const QString name = "  CASTELLO CN001" + blanks(46) + "  05/12/26  I1ABC         ";
    const ListFile saved = savedList(Award::Dci, "F1ABC", Shown::Contacted, date, listed);
    EXPECT_EQ(saved.fileName, "F1ABC_Chateaux_Italiens_contactes au 05_12_26.txt");
    EXPECT_EQ(saved.lines.mid(0, 5) + saved.lines.mid(6),
              QStringList({blanks(30) + "F1ABC Chateaux Italiens contactés au 05/12/2026", "",
                           "   N°   Ref        Nom du Chateau" + blanks(45) +
                               "Date   Indicatif       Bande  Mode  QSL",
                           "", "    1  CN001" + name + "14 Mhz   SSB   *", "",
                           "Liste établie par ZELK_DCI"}));
    EXPECT_EQ(
        printedList(Award::Dci, "F1ABC", Shown::Confirmed, date, listed.mid(0, 1)),
        QStringList({blanks(26) + "F1ABC Liste des Chateaux Italiens confirmés au 05/12/2026", "",
                     "        N°  Ref          Nom du Chateau" + blanks(43) + "Date   Indicatif" +
                         blanks(15) + "Bande  Mode QSL",
                     "", "        1  CN001" + name, "", "", "Liste établie par ZELK_DCI"}));
    EXPECT_EQ(savedList(Award::Dclo, "F1ABC", Shown::Contacted, date, {"", "x"}).lines[4],
              "    1 x");
    EXPECT_EQ(printedList(Award::Dclo, "F1ABC", Shown::Contacted, date, {"", "x"})[4],
              "        1 x");
}

TEST(Districts, FieldMarksAndList) {
    const auto withDistrict = [](const QString& field, bool qsl = false) {
        return awardQso("I1ABC", "", "JN45", qsl).replace(LogColumns::kDistrict, 3, field);
    };
    const QStringList fields = QString("012|12 | 12|1  |000|230|\t12|\u00A07\u00A0|   |-  |231|-5 "
                                       "|ABC|1 2|+12|²12|1\u00A02|\u00A0\u00A0\u00A0")
                                   .split(u'|');
    const int districts[] = {12, 12, 12, 1, 0, 230, 12, 7, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    for (int i = 0; i < fields.size(); ++i)
        EXPECT_EQ(districtOf(encodeCp1252(withDistrict(fields[i]))), districts[i]) << i;
    EXPECT_EQ(std::pair(districtOf("I1ABC        1"), districtOf("I1ABC")), std::pair(1, -1));

    const DistrictMarks marks = counted<DistrictMarks>(
        {withDistrict("12 "), withDistrict("012", true), withDistrict("7  ", true),
         withDistrict("000", true), withDistrict("-  ", true), "I1ABC        44"});
    EXPECT_EQ(std::pair(marks.contactedCount(), marks.confirmedCount()), std::pair(3, 2));
    const QStringList lines = districtListLines(marks);
    ASSERT_EQ(lines.size(), 230);
    EXPECT_EQ(QStringList({lines[0], lines[6], lines[43], lines[229]}).join(u'|'),
              "      District 001  |      District 007  Contacté et Confirmé"
              "|      District 044  Contacté|      District 230  ");
}

// Each level from its first count; below the lowest, the award is not reached.
TEST(Verdicts, LevelsAtTheirEdges) {
    QStringList found;
    for (const int n : {24, 25, 224, 225, 230})
        found << districtVerdict(n).line1 + " " + districtVerdict(n).line2;
    found << locatorVerdict(1400).line1 + " " + locatorVerdict(1400).line2;
    const QString bravo = " Bravo, vous pouvez obtenir le diplome ";
    EXPECT_EQ(found,
              (QStringList{"Vous ne pouvez pas encore obtenir de dipolmes des districts Italiens",
                           bravo + "de Base", bravo + "d'Emeraude", bravo + "de Diamant",
                           bravo + "d' Honneur", bravo + "de Diamant"}));
}

// The Loc_Tempo entries of one line, for the list and for the score; none without a locator.
TEST(WaisEntries, OneLineInItsColumns) {
    const QString dai = daiQso("IK2XYZ", "JN46", true);
    const QString tail = " CN DCI-CN001" + blanks(16);
    const struct {
        const char* what;
        QString line;
        WaisLog log;
        QString entry; // of the list; the score's is its first five characters
    } cases[] = {
        {"small letters, unknown band and mode",
         awardQso("I1ABC", "12", "jn45", true, "CN001", "12/05/07", "14:30", "FM", "144 Mhz"),
         WaisLog::Dci, "   JN45* I1ABC" + blanks(11) + "12/05/2007 1430  ??m ?????" + tail + "*"},
        {"year 50 of the 1900s",
         awardQso("I1ÉBC", "12", "jñ45", false, "CN001", "01/02/50", "09:05", "CW", "7.0 Mhz"),
         WaisLog::Dci, "   JÑ450 I1ÉBC" + blanks(11) + "01/02/1950 0905  40m CW   " + tail + "0"},
        {"cut inside the locator", awardQso("I1ABC", "12", "JN45").left(141), WaisLog::Dci, {}},
        {"sibling, cut inside the locator", dai.left(16), WaisLog::Dai, {}},
        {"sibling, cut after the locator", dai.left(17), WaisLog::Dai,
         "   JN460 IK2XYZ" + blanks(16) + "20" + blanks(9) + "??m ?????    DAI-" + blanks(21) +
             "0"},
    };
    const auto locTempo = [](const QString& line, WaisLog from, int keyLength) {
        LocatorCollector collector(keyLength);
        collector.add(encodeCp1252(line), from);
        return collector.locTempo().sorted();
    };
    for (const auto& c : cases) {
        const QStringList entry = c.entry.isEmpty() ? QStringList() : QStringList{c.entry};
        EXPECT_EQ(locTempo(c.line, c.log, kListKeyLength), entry) << c.what;
        EXPECT_EQ(locTempo(c.line, c.log, kScoreKeyLength),
                  entry.isEmpty() ? entry : QStringList{c.entry.mid(3, 5)});
    }
}
