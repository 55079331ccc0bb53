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
              (QStringList{"25", "24", "Vous ne pouvez pas encore obtenir",
                           "de dipolmes des districts Italiens", "Scores pour le diplome",
                           "des districts Italiens", "Districts contacté(s)",
                           "Districts confirmé(s)", "Pour obtenir les diplomes des districts",
                           "Italiens il vous faut la confirmation de :"} +
               districtLevelLabels()));
    EXPECT_TRUE(dialogs.messages.isEmpty());
}
