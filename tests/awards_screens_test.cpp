#include "aff_contacte.h"
#include "aff_contacte_dclo.h"
#include "awards_support.h"
#include "awardwindows.h"
#include "screenslot.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>

using namespace awards;

namespace {

const QByteArray kDciFileHeader = "   N\xb0   Ref        Nom du Chateau                            "
                                  "                 Date   Indicatif       Bande  Mode  QSL";
const QByteArray kDcloFileHeader = "   N\xb0   Ref        Nom du Chateau                           "
                                   "                  Date   Indicatif    QSL";

// The line of a saved list for a test QSO of I1ABC, its tail from the callsign on.
QByteArray saved(int n, const char* reference, const QByteArray& tail) {
    return "    " + QByteArray::number(n) + "  " + reference + "  CASTELLO " + reference +
           QByteArray(46, ' ') + "  05/12/26  " + tail + "\r\n";
}

QWidget* window(const char* className) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && QLatin1String(w->metaObject()->className()) == className)
            return w;
    return nullptr;
}

class AwardScreens : public AwardScreenTest {};

} // namespace

TEST_F(AwardScreens, DciListShowsSavesAndSwitchesMode) {
    setStation("F1ABC",
               {castleQso("CN001", true), castleQso("AL001"), castleQso("cn002", true, "IK1ZZZ")});
    Aff_Contacte* screen = openAffContacte();
    ASSERT_NE(screen, nullptr);
    EXPECT_TRUE(child<QRadioButton>(screen, "Option1_1")->isChecked());
    EXPECT_EQ(child<QRadioButton>(screen, "Option1_1")->text(), "contactés");
    EXPECT_EQ(child<QRadioButton>(screen, "Option1_2")->text(), "confirmés");
    EXPECT_EQ(texts(screen, "Label3 Label2 Nb_C"),
              (QStringList{"Chateaux Italiens", kDciHeader, "3"}));
    EXPECT_EQ(child<QPushButton>(screen, "Command1")->text(), "Document pour le diplome DCI");
    EXPECT_EQ(screen->listLines(), lines(screen, "Liste_QSO_Contacte"));

    press(screen, "Enregistrer");
    const QString contacted = "F1ABC_Chateaux_Italiens_contactes au 05_12_26.txt";
    EXPECT_EQ(dialogs.messages, QStringList{"Le log a été enregistré sous le nom : " + contacted});
    EXPECT_EQ(readBytes(contacted),
              QByteArray(30, ' ') + "F1ABC Chateaux Italiens contact\xe9s au 05/12/2026\r\n\r\n" +
                  kDciFileHeader + "\r\n\r\n" +
                  saved(1, "AL001", "I1ABC         14 Mhz   SSB    ") +
                  saved(2, "CN001", "I1ABC         14 Mhz   SSB   *") +
                  saved(3, "cn002", "IK1ZZZ        14 Mhz   SSB   *") +
                  "\r\nListe \xe9tablie par ZELK_DCI\r\n");

    choose(screen, "Option1_2");
    EXPECT_EQ(screen->windowTitle(), "DCI Confirmés");
    EXPECT_EQ(text(screen, "Nb_C"), "2");
    press(screen, "Enregistrer");
    const QString confirmed = "F1ABC_Chateaux_Italiens_confirmes au 05_12_26.txt";
    EXPECT_EQ(dialogs.messages.last(), "Le log a été enregistré sous le nom : " + confirmed);
    EXPECT_EQ(readBytes(confirmed),
              QByteArray(30, ' ') + "F1ABC Chateaux Italiens confirm\xe9s au 05/12/2026\r\n\r\n" +
                  kDciFileHeader + "\r\n\r\n" +
                  saved(1, "CN001", "I1ABC         14 Mhz   SSB   *") +
                  saved(2, "cn002", "IK1ZZZ        14 Mhz   SSB   *") +
                  "\r\nListe \xe9tablie par ZELK_DCI\r\n");

    // The menu entry again brings the open window forward as it is.
    EXPECT_EQ(openAffContacte(), screen);
    EXPECT_EQ(text(screen, "Nb_C"), "2");
    choose(screen, "Option1_1");
    EXPECT_EQ(text(screen, "Nb_C"), "3");
    EXPECT_FALSE(QDir(path("")).exists("Temporaire.txt"));
}

TEST_F(AwardScreens, DcloListSkipsOtherCodesAndSaves) {
    setStation("F1ABC", {castleQso("MI001", true), castleQso("mi002", true),
                         castleQso("MB001", true), castleQso("BG001"), castleQso("RM001", true)});
    openAffContacteDclo();
    auto* screen = existingScreen<Aff_Contacte_DCLO>();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(child<QRadioButton>(screen, "Option1_2")->text(), "Confirmés");
    EXPECT_EQ(texts(screen, "Label3 Label2 Nb_C"),
              (QStringList{"Chateaux de Lombardie", kDcloHeader, "2"}));
    EXPECT_EQ(screen->findChild<QPushButton*>("Command1"), nullptr);
    EXPECT_EQ(lines(screen, "Liste_QSO_Contacte").size(), 3);

    // A failed save says so and leaves no file; the next one is made.
    const QString contacted = "F1ABC_Chateaux_de _Lombardie_contactes_au 05_12_26.txt";
    ASSERT_TRUE(QDir(path("")).mkpath(contacted + "/x"));
    press(screen, "Enregistrer");
    EXPECT_EQ(dialogs.messages, QStringList{"Impossible d'enregistrer le fichier " + contacted});
    EXPECT_FALSE(QDir(path("")).exists("Temporaire.txt"));
    ASSERT_TRUE(QDir(path(contacted)).removeRecursively());
    press(screen, "Enregistrer");
    EXPECT_EQ(dialogs.messages.last(), "Le log a été enregistré sous le nom : " + contacted);
    EXPECT_EQ(readBytes(contacted),
              QByteArray(14, ' ') +
                  "F1ABC Liste Chateaux de Lombardie contact\xe9s au 05/12/2026\r\n\r\n" +
                  kDcloFileHeader + "\r\n\r\n" + saved(1, "BG001", "I1ABC          ") +
                  saved(2, "MI001", "I1ABC         *") + "\r\nListe \xe9tablie par ZELK_DCI\r\n");

    choose(screen, "Option1_2");
    EXPECT_EQ(text(screen, "Nb_C"), "1");
    press(screen, "Enregistrer");
    EXPECT_EQ(readBytes("F1ABC_Chateaux_de _Lombardie_confirmes_au 05_12_26.txt"),
              QByteArray(14, ' ') +
                  "F1ABC Liste Chateaux de Lombardie confirm\xe9s au 05/12/2026\r\n\r\n" +
                  kDcloFileHeader + "\r\n\r\n" + saved(1, "MI001", "I1ABC         *") +
                  "\r\nListe \xe9tablie par ZELK_DCI\r\n");
}

// Each score, district and rules window: its texts, and its list where it has one.
TEST_F(AwardScreens, ScoreAndRulesWindowsShowTheirCountsAndTexts) {
    QStringList log{castleQso("CN001", true), castleQso("XX001"), castleQso("bs001"),
                    awardQso("I1ABC", "100", "JN45", false, "XX001")};
    for (const char* p : {"CN", "RM", "NA", "PA", "MI"})
        for (int i = 1; i <= 4; ++i)
            log << castleQso(QString("%1%2").arg(p).arg(i, 3, 10, QChar('0')), true);
    setStation("F1ABC", log);
    const struct {
        void (*open)();
        const char* screen;
        const char* labels;
        QStringList texts;
        const char* list;
        QStringList someLines; // from `at`
        int at, rows;
    } cases[] = {
        {openScores,
         "Scores",
         "Label7 Label8 Label2 Nb_Chx Nb_Conf Nb_Reg Nb_Cuneo Label1 Label10 Label11 Label12 "
         "Label13 Label14 Label4 Label3 Label9 Label5 Label6",
         QStringList{"Scores pour le diplome ", "des Chateaux Italiens (DCI)", kDciScoreHeader,
                     "22", "20", "5", "4", "Chateaux contacté(s)", "Chateaux confirmé(s)",
                     "Régions confirmée(s)", "Chateau(x) de la province de Cunéo", kCanClaim,
                     kDciVerdictEnd} +
             kDciRule,
         "Liste_Regions",
         {"  5    LB Lombardie               *"},
         10,
         21},
        {openScoresDclo,
         "Scores_DCLO",
         "Label7 Label8 Label2 NB_Chateaux NB_Confirme Nb_Provinces Label5 Label10 Label11 Label6 "
         "Label12 Label1 Label4 Label3 Label9",
         QStringList{"Scores pour le diplome", "des Chateaux de Lombardie", kDcloScoreHeader, "5",
                     "4", "1", "Chateaux contacté(s)", "Chateaux confirmé(s)", "Dans",
                     "Province(s) de Lombardie", "Vous pouvez pas encore obtenir",
                     kDcloVerdictEnd} +
             kDcloRule,
         "Liste_Regions",
         {"  1    BS Province de Brescia     "},
         2,
         12},
        {openScoresDcpc,
         "Scores_DCPC",
         "Label7 Label8 Label2 NB_Chateaux NB_Confirme Label1 Label6 Label11 Label4 Label3 Label9",
         QStringList{"Scores pour le diplome", "de la province de Cunéo", kDcpcHeader, "4", "4",
                     "Vous ne pouvez pas encore obtenir"} +
             kDcpcVerdictEnd + kDcpcRule,
         "Liste_Chateaux",
         {"  CN001  I1ABC         05/12/26    *", "  CN001  I1ABC         05/12/26    *"},
         0,
         6},
        {openAffContacteIdca,
         "Aff_Contacte_IDCA",
         "D_Cont D_Conf Label2 Label1",
         {"2", "1", "district(s) contacté(s)", "district(s) confirmé(s)"},
         "List1",
         {"      District 012  Contacté et Confirmé"},
         11,
         230},
        {openScoresIdca,
         "Scores_IDCA",
         "NB_Contacte NB_Confirme Label1 Label2 Label7 Label8 Label5 Label10 Label3 Label4 "
         "Niveau_1 Niveau_2 Niveau_3 Niveau_4 Niveau_5 Niveau_6 Niveau_7 Niveau_8 Niveau_9 "
         "Niveau_10",
         QStringList{"2", "1", "Vous ne pouvez pas encore obtenir",
                     "de dipolmes des districts Italiens", "Scores pour le diplome",
                     "des districts Italiens", "Districts contacté(s)", "Districts confirmé(s)",
                     "Pour obtenir les diplomes des districts",
                     "Italiens il vous faut la confirmation de :"} +
             districtLevelLabels(),
         nullptr,
         {},
         0,
         0},
        {openReglement,
         "Reglement",
         "Label2",
         {"Règlement du diplome DCI"},
         "Reglement_DCI",
         {""},
         0,
         111},
        {openReglementDcpc,
         "Reglement_DCPC",
         "Label2",
         {"Règlement du diplome  DCPC"},
         "Reglement_DCI",
         {""},
         0,
         80},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.screen);
        c.open();
        QWidget* screen = window(c.screen);
        ASSERT_NE(screen, nullptr);
        EXPECT_EQ(texts(screen, c.labels), c.texts);
        if (!c.list)
            continue;
        const QStringList shown = lines(screen, c.list);
        EXPECT_EQ(shown.size(), c.rows);
        EXPECT_EQ(shown.mid(c.at, c.someLines.size()), c.someLines);
    }
    EXPECT_EQ(lines(window("Scores"), "Region_Coni"),
              QStringList{"  4    CN Province de Cuneo       *"});
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

// The Imprimer button of each list prints on the printer chosen.
TEST_F(AwardScreens, PrintingGoesToTheChosenPrinter) {
    setStation("F1ABC", {castleQso("CN001", true), castleQso("MI001")});
    dialogs.printerPdf = dir.filePath("printed.pdf");
    openAffContacteDclo();
    for (QWidget* screen : {static_cast<QWidget*>(openAffContacte()),
                            static_cast<QWidget*>(existingScreen<Aff_Contacte_DCLO>())}) {
        QFile::remove(dialogs.printerPdf);
        press(screen, "Imprimer");
        QFile printed(dialogs.printerPdf);
        ASSERT_TRUE(printed.open(QIODevice::ReadOnly)) << screen->objectName().toStdString();
        EXPECT_TRUE(printed.readAll().startsWith("%PDF"));
    }
    EXPECT_TRUE(dialogs.messages.isEmpty());
}
