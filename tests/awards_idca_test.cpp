#include "aff_contacte_idca.h"
#include "awards_support.h"
#include "awardwindows.h"
#include "districtcount.h"
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
        EXPECT_EQ(districtOf(encodeCp1252(withDistrict(c.field))), c.district) << c.field;
    EXPECT_EQ(districtOf(encodeCp1252("I1ABC        1")), 1);
    EXPECT_EQ(districtOf(encodeCp1252("I1ABC")), -1);
    EXPECT_EQ(districtOf(encodeCp1252("")), -1);
}

TEST(DistrictMarks, ADistrictCountsOnceAndAConfirmationAlsoMarksItContacted) {
    const DistrictMarks marks = counted<DistrictMarks>({
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

    const QStringList lines = districtListLines(marks);
    ASSERT_EQ(lines.size(), 230);
    EXPECT_EQ(lines[0], "      District 001  ");
    EXPECT_EQ(lines[6], "      District 007  Contacté et Confirmé");
    EXPECT_EQ(lines[11], "      District 012  Contacté et Confirmé");
    EXPECT_EQ(lines[43], "      District 044  Contacté");
    EXPECT_EQ(lines[229], "      District 230  ");
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

TEST_F(IdcaScreens, TheListAndTheScoreShowTheMarksCountsLevelsAndVerdict) {
    QStringList log = confirmedDistricts(24);
    log << withDistrict("100") << withDistrict("ABC") << withDistrict("012");
    setStation("I1TEST", log);
    openAffContacteIdca();
    auto* list = existingScreen<Aff_Contacte_IDCA>();
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->isVisible());
    EXPECT_EQ(list->windowTitle(), "Districts contactés");
    EXPECT_EQ(texts(list, "D_Cont D_Conf Label2 Label1"),
              (QStringList{"25", "24", "district(s) contacté(s)", "district(s) confirmé(s)"}));
    const QStringList shown = lines(list, "List1");
    ASSERT_EQ(shown.size(), 230);
    EXPECT_EQ(shown[11], "      District 012  Contacté et Confirmé");
    EXPECT_EQ(shown[99], "      District 100  Contacté");

    openScoresIdca();
    auto* screen = existingScreen<Scores_IDCA>();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->windowTitle(), "Scores IDCA");
    EXPECT_EQ(texts(screen,
                    "NB_Contacte NB_Confirme Label1 Label2 Label7 Label8 Label5 Label10 Label3 "
                    "Label4 Niveau_1 Niveau_2 Niveau_3 Niveau_4 Niveau_5 Niveau_6 Niveau_7 "
                    "Niveau_8 Niveau_9 Niveau_10"),
              (QStringList{"25",
                           "24",
                           "Vous ne pouvez pas encore obtenir",
                           "de dipolmes des districts Italiens",
                           "Scores pour le diplome",
                           "des districts Italiens",
                           "Districts contacté(s)",
                           "Districts confirmé(s)",
                           "Pour obtenir les diplomes des districts",
                           "Italiens il vous faut la confirmation de :",
                           "    25 districts pour le diplome de base",
                           "    50 districts pour le diplome de Bois",
                           "    75 districts pour le diplome de Bronze",
                           "  100 districts pour le diplome d' Argent",
                           "  125 districts pour le diplome d' Or",
                           "  150 districts pour le diplome de Platine",
                           "  175 districts pour le diplome de saphire",
                           "  200 districts pour le diplome d' Emeraude",
                           "  225 districts pour le diplome de Diamant",
                           "  230 districts pour le diplome d' Honneur"}));
    EXPECT_TRUE(dialogs.messages.isEmpty());
}
