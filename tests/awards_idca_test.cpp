#include "aff_contacte_idca.h"
#include "awards_support.h"
#include "districtcount.h"
#include "districtlocatorawards.h"
#include "scores_idca.h"
#include "screenslot.h"
#include "stationsettings.h"

using namespace awards;

namespace {

QString withDistrict(const QString& field, bool qsl = false) {
    QString line = awardQso("I1ABC", "", "JN45", qsl);
    return line.replace(13, 3, field);
}

// n distinct districts confirmed, from 1.
QStringList confirmedDistricts(int n) {
    QStringList log;
    for (int d = 1; d <= n; ++d)
        log << awardQso("I1ABC", QString::number(d), "JN45", true);
    return log;
}

} // namespace

TEST(DistrictField, ReadsNumbersFrom0To230AndSkipsTheRest) {
    const struct {
        const char* field;
        int district;
    } cases[] = {
        {"012", 12},  {"12 ", 12}, {" 12", 12}, {"1  ", 1},  {"000", 0},
        {"230", 230}, {"   ", -1}, {"-  ", -1}, {"231", -1}, {"999", -1},
        {"-5 ", -1},  {"ABC", -1}, {"1 2", -1}, {"+12", -1}, {"12A", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(districtOf(withDistrict(c.field)), c.district) << c.field;
    EXPECT_EQ(districtOf("I1ABC        1"), 1);
    EXPECT_EQ(districtOf("I1ABC"), -1);
    EXPECT_EQ(districtOf(""), -1);
}

TEST(DistrictMarks, ADistrictCountsOnceAndAConfirmationAlsoMarksItContacted) {
    const DistrictMarks marks = markDistricts({
        withDistrict("12 "),
        withDistrict("012", true),
        withDistrict(" 12"),
        withDistrict("7  ", true),
        withDistrict("000", true),
        withDistrict("-  ", true),
        withDistrict("   ", true),
        withDistrict("300", true),
        withDistrict("XYZ"),
        "I1ABC        44",
    });
    EXPECT_EQ(marks.contactedCount(), 3);
    EXPECT_EQ(marks.confirmedCount(), 2);
    EXPECT_TRUE(marks.contacted[0]);
    EXPECT_TRUE(marks.contacted[44]);
    EXPECT_FALSE(marks.confirmed[44]);

    const QStringList lines = districtListLines(marks);
    ASSERT_EQ(lines.size(), 230);
    EXPECT_EQ(lines[0], "      District 001  ");
    EXPECT_EQ(lines[6], "      District 007  Contacté et Confirmé");
    EXPECT_EQ(lines[11], "      District 012  Contacté et Confirmé");
    EXPECT_EQ(lines[43], "      District 044  Contacté");
    EXPECT_EQ(lines[229], "      District 230  ");
}

TEST(DistrictMarks, AnEmptyLogListsEveryDistrictWithoutMark) {
    const DistrictMarks marks = markDistricts({});
    EXPECT_EQ(marks.contactedCount(), 0);
    EXPECT_EQ(marks.confirmedCount(), 0);
    const QStringList lines = districtListLines(marks);
    ASSERT_EQ(lines.size(), 230);
    for (int d = 1; d <= 230; ++d)
        EXPECT_EQ(lines[d - 1], QStringLiteral("      District %1  ").arg(d, 3, 10, QChar('0')));
}

TEST(DistrictVerdict, LevelsAtTheirEdges) {
    const QString bravo = " Bravo, vous pouvez obtenir";
    const struct {
        int confirmed;
        QString line1, line2;
    } cases[] = {
        {0, "Vous ne pouvez pas encore obtenir", "de dipolmes des districts Italiens"},
        {24, "Vous ne pouvez pas encore obtenir", "de dipolmes des districts Italiens"},
        {25, bravo, "le diplome de Base"},
        {49, bravo, "le diplome de Base"},
        {50, bravo, "le diplome de Bois"},
        {74, bravo, "le diplome de Bois"},
        {75, bravo, "le diplome de Bronze"},
        {100, bravo, "le diplome d'Argent"},
        {125, bravo, "le diplome d'Or"},
        {150, bravo, "le diplome de Platine"},
        {175, bravo, "le diplome de Saphire"},
        {199, bravo, "le diplome de Saphire"},
        {200, bravo, "le diplome d'Emeraude"},
        {224, bravo, "le diplome d'Emeraude"},
        {225, bravo, "le diplome de Diamant"},
        {229, bravo, "le diplome de Diamant"},
        {230, bravo, "le diplome d' Honneur"},
    };
    for (const auto& c : cases) {
        const Verdict v = districtVerdict(c.confirmed);
        EXPECT_EQ(v.line1, c.line1) << c.confirmed;
        EXPECT_EQ(v.line2, c.line2) << c.confirmed;
    }
}

class IdcaScreens : public AwardScreenTest {};

TEST_F(IdcaScreens, TheDistrictListShowsTheMarksAndCounts) {
    setStation("I1TEST", {withDistrict("012"), withDistrict("12 ", true), withDistrict("5  "),
                          withDistrict("ABC"), withDistrict("000", true)});
    openAffContacteIdca();
    auto* screen = existingScreen<Aff_Contacte_IDCA>();
    ASSERT_NE(screen, nullptr);
    EXPECT_TRUE(screen->isVisible());
    EXPECT_EQ(screen->windowTitle(), "Districts contactés");
    EXPECT_EQ(text(screen, "D_Cont"), "2");
    EXPECT_EQ(text(screen, "D_Conf"), "1");
    EXPECT_EQ(text(screen, "Label2"), "district(s) contacté(s)");
    EXPECT_EQ(text(screen, "Label1"), "district(s) confirmé(s)");
    const QStringList shown = lines(screen, "List1");
    ASSERT_EQ(shown.size(), 230);
    EXPECT_EQ(shown[4], "      District 005  Contacté");
    EXPECT_EQ(shown[11], "      District 012  Contacté et Confirmé");
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(IdcaScreens, TheScoreShowsTheCountsTheLevelsAndTheVerdict) {
    QStringList log = confirmedDistricts(24);
    log << awardQso("I1ABC", "100", "JN45");
    setStation("I1TEST", log);
    openScoresIdca();
    auto* screen = existingScreen<Scores_IDCA>();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->windowTitle(), "Scores IDCA");
    EXPECT_EQ(text(screen, "NB_Contacte"), "25");
    EXPECT_EQ(text(screen, "NB_Confirme"), "24");
    EXPECT_EQ(text(screen, "Label1"), "Vous ne pouvez pas encore obtenir");
    EXPECT_EQ(text(screen, "Label2"), "de dipolmes des districts Italiens");
    EXPECT_EQ(text(screen, "Label7"), "Scores pour le diplome");
    EXPECT_EQ(text(screen, "Label8"), "des districts Italiens");
    EXPECT_EQ(text(screen, "Label5"), "Districts contacté(s)");
    EXPECT_EQ(text(screen, "Label10"), "Districts confirmé(s)");
    EXPECT_EQ(text(screen, "Label3"), "Pour obtenir les diplomes des districts");
    EXPECT_EQ(text(screen, "Label4"), "Italiens il vous faut la confirmation de :");
    const QStringList levels = {
        "    25 districts pour le diplome de base",   "    50 districts pour le diplome de Bois",
        "    75 districts pour le diplome de Bronze", "  100 districts pour le diplome d' Argent",
        "  125 districts pour le diplome d' Or",      "  150 districts pour le diplome de Platine",
        "  175 districts pour le diplome de saphire", "  200 districts pour le diplome d' Emeraude",
        "  225 districts pour le diplome de Diamant", "  230 districts pour le diplome d' Honneur",
    };
    for (int i = 0; i < levels.size(); ++i)
        EXPECT_EQ(text(screen, QStringLiteral("Niveau_%1").arg(i + 1)), levels[i]);
    screen->close();

    setStation("I1TEST", confirmedDistricts(230));
    openScoresIdca();
    screen = existingScreen<Scores_IDCA>();
    EXPECT_EQ(text(screen, "NB_Confirme"), "230");
    EXPECT_EQ(text(screen, "Label1"), " Bravo, vous pouvez obtenir");
    EXPECT_EQ(text(screen, "Label2"), "le diplome d' Honneur");
}
