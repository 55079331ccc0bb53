#include "awards_support.h"
#include "castlecount.h"

using namespace awards;

namespace {

// `count` castles of one province, numbered from `first`.
QStringList castles(const QString& province, int count, bool qsl, int first = 1) {
    QStringList lines;
    for (int i = first; i < first + count; ++i)
        lines << castleQso(province + QString::number(i).rightJustified(3, u'0'), qsl);
    return lines;
}

} // namespace

TEST(DciScore, RegionLinesInTheOrderOfTheirCodes) {
    const DciScore score =
        scoreOf<DciCounter>(castles("TO", 7, false) + castles("MB", 2, false) +
                            castles("FM", 1, true) + castles("RM", 123, false) +
                            QStringList{castleQso("CN001", true), castleQso("cn001"),
                                        castleQso("XX001", true), castleQso("")});
    // CN belongs to Piemont: its confirmed castle flags both lines and counts once.
    EXPECT_EQ(score.regionLines, (QStringList{"",
                                              "  0    AO Vallee d'Aoste          ",
                                              "  0    AZ Abruzzes                ",
                                              "  0    BC Basilicate              ",
                                              "  0    CP Campanie                ",
                                              "  0    EM Emilie Romagne          ",
                                              "  0    FL Frioul Venetie Julienne ",
                                              "  0    KL Calabre                 ",
                                              "123    LZ Latium                  ",
                                              "  0    LG Ligurie                 ",
                                              "  2    LB Lombardie               ",
                                              "  1    MH Marches                 *",
                                              "  0    ML Molise                  ",
                                              "  8    PM Piemont                 *",
                                              "  0    PL Pouilles                ",
                                              "  0    SD Sardaigne               ",
                                              "  0    SC Sicile                  ",
                                              "  0    TC Toscane                 ",
                                              "  0    TT Trentin Haut Adige      ",
                                              "  0    UM Ombrie                  ",
                                              "  0    VA Venetie                 "}));
    EXPECT_EQ(score.cuneoLine, "  1    CN Province de Cuneo       *");
    EXPECT_EQ(score.confirmed, 2);
    EXPECT_EQ(score.regionsConfirmed, 2);
    EXPECT_EQ(score.cuneo, 1);
    // Every castle of the log, a reference that is no province included.
    EXPECT_EQ(score.contacted, 7 + 2 + 1 + 123 + 1 + 1);
    EXPECT_EQ(scoreOf<DciCounter>(QStringList{}).cuneoLine, "  0    CN Province de Cuneo       ");
}

TEST(DciScore, Thresholds) {
    // Four confirmed castles in each of five regions, one of them in CN, make 20.
    const QStringList five = castles("CN", 4, true) + castles("RM", 4, true) +
                             castles("NA", 4, true) + castles("PA", 4, true) +
                             castles("MI", 4, true);
    const struct {
        const char* what;
        QStringList log;
        int confirmed, regions, cuneo;
        bool canClaim;
    } cases[] = {
        {"20 castles in 5 regions with CN", five, 20, 5, 4, true},
        {"19 castles", five.mid(1), 19, 5, 3, false},
        {"4 regions",
         castles("CN", 5, true) + castles("RM", 5, true) + castles("NA", 5, true) +
             castles("PA", 5, true),
         20, 4, 5, false},
        {"CN contacted, not confirmed",
         castles("CN", 1, false) + castles("TO", 4, true) + five.mid(4), 20, 5, 1, false},
        {"no CN", castles("TO", 4, true) + five.mid(4), 20, 5, 0, false},
        {"cn in lower case", castles("cn", 4, true) + five.mid(4), 20, 5, 4, true},
        // The award counts castles: QSOs with one castle count once.
        {"20 QSOs with one castle", QStringList(20, castleQso("CN001", true)), 1, 1, 1, false},
        {"the same castle in two cases", five.mid(1) + QStringList{castleQso("rm001 ", true)}, 19,
         5, 3, false},
    };
    for (const auto& c : cases) {
        const DciScore s = scoreOf<DciCounter>(c.log);
        EXPECT_EQ(s.confirmed, c.confirmed) << c.what;
        EXPECT_EQ(s.regionsConfirmed, c.regions) << c.what;
        EXPECT_EQ(s.cuneo, c.cuneo) << c.what;
        EXPECT_EQ(s.verdict,
                  c.canClaim ? "Bravo vous pouvez obtenir" : " Vous ne pouvez pas encore obtenir")
            << c.what;
    }
}

TEST(DcloScore, ProvincesAndThresholds) {
    const struct {
        const char* what;
        QStringList log;
        int contacted, confirmed, provinces;
        bool canClaim;
    } cases[] = {
        {"10 castles in 3 provinces",
         castles("MI", 4, true) + castles("BG", 3, true) + castles("PV", 3, true), 10, 10, 3, true},
        {"9 castles", castles("MI", 3, true) + castles("BG", 3, true) + castles("PV", 3, true), 9,
         9, 3, false},
        {"2 provinces", castles("MI", 5, true) + castles("BG", 5, true), 10, 10, 2, false},
        {"12 in MI, BG and BS unconfirmed",
         castles("MI", 12, true) + castles("BG", 1, false) + castles("BS", 1, false), 14, 12, 1,
         false},
        {"MB and other regions ignored", castles("MB", 10, true) + castles("RM", 10, true), 0, 0, 0,
         false},
        {"lower case counted",
         castles("mi", 4, true) + castles("bg", 3, true) + castles("PV", 3, true), 10, 10, 3, true},
        {"10 QSOs with one castle",
         QStringList(10, castleQso("MI001", true)) + castles("BG", 1, true) +
             castles("PV", 1, true),
         3, 3, 3, false},
    };
    for (const auto& c : cases) {
        const DcloScore s = scoreOf<DcloCounter>(c.log);
        EXPECT_EQ(s.contacted, c.contacted) << c.what;
        EXPECT_EQ(s.confirmed, c.confirmed) << c.what;
        EXPECT_EQ(s.provincesConfirmed, c.provinces) << c.what;
        EXPECT_EQ(s.verdict,
                  c.canClaim ? "Bravo vous pouvez obtenir" : "Vous pouvez pas encore obtenir")
            << c.what;
    }
    EXPECT_EQ(
        scoreOf<DcloCounter>(castles("MI", 7, false) + castles("VA", 1, true) +
                             QStringList{castleQso("mi001", true)})
            .provinceLines,
        (QStringList{"", "  0    BG Province de Bergame     ", "  0    BS Province de Brescia     ",
                     "  0    CO Province de Come        ", "  0    CR Province de Cremone     ",
                     "  0    LC Province de Lecco       ", "  0    LO Province de Lodi        ",
                     "  7    MI Province de Milan       *", "  0    MN Province de Mantoue     ",
                     "  0    PV Province de Pavie       ", "  0    SO Province de Sondrio     ",
                     "  1    VA Province de Varese      *"}));
}

TEST(DcpcScore, ListAndThresholds) {
    const DcpcScore listed =
        scoreOf<DcpcCounter>({castleQso("CN002", true), castleQso("RM001"),
                              castleQso("cn001", false, "ik1abc"), castleQso(" CN01")});
    EXPECT_EQ(listed.lines, (QStringList{"  CN002  I1ABC         05/12/26    *",
                                         "  CN001  IK1ABC        05/12/26     ", ""}));
    EXPECT_EQ(listed.contacted, 2);
    EXPECT_EQ(listed.confirmed, 1);

    const struct {
        const char* what;
        QStringList log;
        int contacted, confirmed;
        bool canClaim;
    } cases[] = {
        {"10 castles", castles("CN", 10, true), 10, 10, true},
        {"9 castles", castles("CN", 9, true) + castles("CN", 3, false, 20), 12, 9, false},
        {"10 QSOs with one castle", QStringList(10, castleQso("CN001", true)), 1, 1, false},
        {"one castle in two cases", castles("CN", 9, true) + QStringList{castleQso("cn001", true)},
         9, 9, false},
    };
    for (const auto& c : cases) {
        const DcpcScore s = scoreOf<DcpcCounter>(c.log);
        EXPECT_EQ(s.lines.size(), c.log.size() + 1) << c.what;
        EXPECT_EQ(s.contacted, c.contacted) << c.what;
        EXPECT_EQ(s.confirmed, c.confirmed) << c.what;
        EXPECT_EQ(s.verdict,
                  c.canClaim ? "Bravo vous pouvez obtenir" : "Vous ne pouvez pas encore obtenir")
            << c.what;
    }
}
