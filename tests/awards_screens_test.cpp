#include "awards_support.h"

using namespace awards;

namespace {

QWidget* window(const char* className) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && QLatin1String(w->metaObject()->className()) == className)
            return w;
    return nullptr;
}

class AwardScreens : public AwardScreenTest {};

} // namespace

// Each score, district, locator and rules window shows its counts, its verdict and the texts
// it takes from the award's data, and its list.
TEST_F(AwardScreens, ScoreWindowsShowTheirCountsAndTexts) {
    QStringList log{castleQso("CN001", true), castleQso("XX001"), castleQso("bs001"),
                    awardQso("I1ABC", "100", "JN45", false, "XX001")};
    for (const char* p : {"CN", "RM", "NA", "PA", "MI"})
        for (int i = 1; i <= 4; ++i)
            log << castleQso(QString("%1%2").arg(p).arg(i, 3, 10, QChar('0')), true);
    setStation("F1ABC", log);
    const QString notYet = "Vous ne pouvez pas encore obtenir";
    const struct {
        void (*open)();
        const char* screen;
        const char* labels;
        QStringList texts;
        const char* list;
        QStringList shown; // from `at`
        int at, rows;
    } cases[] = {
        {openScores, "Scores",
         "Label2 Nb_Chx Nb_Conf Nb_Reg Nb_Cuneo Label13 Label14 Label4 Label3 Label9 Label5 Label6",
         QStringList{kDciScoreHeader, "22", "20", "5", "4", kCanClaim, kDciVerdictEnd} + kDciRule,
         "Liste_Regions", QStringList{"  5    LB Lombardie               *"}, 10, 21},
        {openScoresDclo, "Scores_DCLO",
         "Label2 NB_Chateaux NB_Confirme Nb_Provinces Label12 Label1 Label4 Label3 Label9",
         QStringList{kDcloScoreHeader, "5", "4", "1", "Vous pouvez pas encore obtenir",
                     kDcloVerdictEnd} +
             kDcloRule,
         "Liste_Regions", QStringList{"  1    BS Province de Brescia     "}, 2, 12},
        {openScoresDcpc, "Scores_DCPC",
         "Label2 NB_Chateaux NB_Confirme Label1 Label6 Label11 Label4 Label3 Label9",
         QStringList{kDcpcHeader, "4", "4", notYet} + kDcpcVerdictEnd + kDcpcRule, "Liste_Chateaux",
         QStringList(2, "  CN001  I1ABC         05/12/26    *"), 0, 6},
        {[] { openAffContacte(); }, "Aff_Contacte", "Label2 Nb_C", QStringList{kDciHeader, "24"},
         "Liste_QSO_Contacte", QStringList(), 0, 24},
        {openAffContacteDclo, "Aff_Contacte_DCLO", "Label2 Nb_C", QStringList{kDcloHeader, "4"},
         "Liste_QSO_Contacte", QStringList{""}, 0, 5},
        {openAffContacteIdca, "Aff_Contacte_IDCA", "D_Cont D_Conf", QStringList{"2", "1"}, "List1",
         QStringList{"      District 012  Contacté et Confirmé"}, 11, 230},
        {openScoresIdca, "Scores_IDCA",
         "NB_Contacte NB_Confirme Label1 Label2 Niveau_1 Niveau_2 Niveau_3 Niveau_4 Niveau_5 "
         "Niveau_6 Niveau_7 Niveau_8 Niveau_9 Niveau_10",
         QStringList{"2", "1", notYet, "de dipolmes des districts Italiens"} +
             districtLevelLabels(),
         nullptr, QStringList(), 0, 0},
        {openAffContacteWais, "Aff_Contacte_WAIS", "Label1 Nb_Ref NB_Ref_V",
         QStringList{kWaisHeading, "2", "1"}, nullptr, QStringList(), 0, 0},
        {openScoresWais, "Scores_WAIS",
         "Label5 Label10 NB_Contacte NB_Confirme Label1 Label2 Label13 Label14 Label15 Label16 "
         "Label17 Label9",
         QStringList{waisContactedCaption(false), waisConfirmedCaption(false), "2", "1", notYet,
                     "de diplomes des Locators Italiens"} +
             waisLevelLabels(),
         nullptr, QStringList(), 0, 0},
        {openReglement, "Reglement", "", QStringList(), "Reglement_DCI", dciRules(), 0, 111},
        {openReglementDcpc, "Reglement_DCPC", "", QStringList(), "Reglement_DCI", dcpcRules(), 0,
         80},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.screen);
        c.open();
        QWidget* screen = window(c.screen);
        ASSERT_NE(screen, nullptr);
        if (*c.labels) {
            EXPECT_EQ(texts(screen, c.labels), c.texts);
        }
        if (!c.list)
            continue;
        const QStringList shown = lines(screen, c.list);
        EXPECT_EQ(shown.size(), c.rows);
        EXPECT_EQ(shown.mid(c.at, c.shown.size()), c.shown);
    }
    EXPECT_EQ(lines(window("Scores"), "Region_Coni"),
              QStringList{"  4    CN Province de Cuneo       *"});
    EXPECT_TRUE(dialogs.messages.isEmpty());
}
