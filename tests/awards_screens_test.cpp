#include "awards_support.h"

using namespace awards;

namespace {

const QString kProgramMessage = "Pour importer les locators de 'ZELK_DAI' celui-ci doit etre a une "
                                "revision superieur a V1.0.5";
const QString kScoresLogMessage =
    "Pour importer les locators du log de 'ZELK_DAI' celui-ci etre mis a jour avec le programme "
    "'Ajout_Locator_a_ZELK_DAI.exe'";
const QString kListLogMessage =
    "Pour importer les locators du log de 'ZELK_DAI' celui*ci doit etre mis a jour avec le "
    "programme 'Ajout_Locator_a_ZELK_DAI.exe'";

} // namespace

// Each score, district and locator window shows its counts, its verdict and its list.
TEST_F(AwardScreenTest, ScoreWindowsShowTheirCountsVerdictsAndLists) {
    QStringList log{castleQso("CN001", true), castleQso("XX001"), castleQso("bs001"),
                    awardQso("I1ABC", "100", "JN45", false, "XX001")};
    for (const char* p : {"CN", "RM", "NA", "PA", "MI"})
        log << castles(p, 4, true);
    setStation("F1ABC", log);
    const QString notYet = "Vous ne pouvez pas encore obtenir";
    const struct {
        void (*open)();
        const char* screen;
        const char* labels;
        QStringList texts;
        const char* list;
        QStringList some; // of its lines, from `at`
        int at, rows;
    } cases[] = {
        {openScores, "Scores", "Nb_Chx Nb_Conf Nb_Reg Nb_Cuneo Label13",
         QStringList{"22", "20", "5", "4", kCanClaim}, "Liste_Regions",
         QStringList{"  5    LB Lombardie               *"}, 10, 21},
        {openScoresDclo, "Scores_DCLO", "NB_Chateaux NB_Confirme Nb_Provinces Label12",
         QStringList{"5", "4", "1", "Vous pouvez pas encore obtenir"}, "Liste_Regions",
         QStringList{"  1    BS Province de Brescia     "}, 2, 12},
        {openScoresDcpc, "Scores_DCPC", "NB_Chateaux NB_Confirme Label1",
         QStringList{"4", "4", notYet}, "Liste_Chateaux",
         QStringList(2, "  CN001  I1ABC         05/12/26    *"), 0, 6},
        {openAffContacteDclo, "Aff_Contacte_DCLO", "Nb_C", QStringList{"4"}, "Liste_QSO_Contacte",
         QStringList{""}, 0, 5},
        {openAffContacteIdca, "Aff_Contacte_IDCA", "D_Cont D_Conf", QStringList{"2", "1"}, "List1",
         QStringList{"      District 012  Contacté et Confirmé"}, 11, 230},
        {openScoresIdca, "Scores_IDCA", "NB_Contacte NB_Confirme Label1 Label2",
         QStringList{"2", "1", notYet, "de dipolmes des districts Italiens"}, nullptr,
         QStringList(), 0, 0},
        {openScoresWais, "Scores_WAIS", "Label1 Label2",
         QStringList{notYet, "de diplomes des Locators Italiens"}, nullptr, QStringList(), 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.screen);
        c.open();
        QWidget* screen = topLevel(c.screen);
        ASSERT_NE(screen, nullptr);
        EXPECT_EQ(texts(screen, c.labels), c.texts);
        if (!c.list)
            continue;
        const QStringList listed = lines(screen, c.list);
        EXPECT_EQ(listed.size(), c.rows);
        EXPECT_EQ(listed.mid(c.at, c.some.size()), c.some);
    }
    EXPECT_EQ(lines(topLevel("Scores"), "Region_Coni"),
              QStringList{"  4    CN Province de Cuneo       *"});
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

// The sibling logbook's log is merged square by square only when it is installed, up to date
// and readable; its settings are never written. The list leaves its work file empty.
TEST_F(AwardScreenTest, TheSiblingLogIsMergedOnlyWhenUpToDateAndReadable) {
    setStation("I1TEST",
               {awardQso("I1AAA", "12", "JN45", false), awardQso("I1BBB", "12", "JN61", true),
                awardQso("I1CCC", "12", "JN61", false)});
    const auto daiSettings = [this] {
        QFile f(dir.filePath("settings/ZELK/DAI.ini"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("none");
    };
    const QString sibling = dir.filePath("IK2XYZ_DAI.log");
    writeBytes("dai.log", crlf({daiQso("IK2AAA", "jn45", true), daiQso("IK2BBB", "JN70", false),
                                daiQso("IK2CCC", "    ", true)}));
    const auto write = [&] { return QFile::copy(path("dai.log"), sibling); };
    const auto fifo = [&] { return ::mkfifo(QFile::encodeName(sibling), 0600) == 0; };
    const auto device = [&] { return QFile::link("/dev/zero", sibling); };
    const QStringList unreadable(2, "Impossible de lire le fichier " + sibling);
    const QStringList outdated{kProgramMessage, kProgramMessage + "\r\n" + kListLogMessage,
                               kProgramMessage, kProgramMessage + "\r\n" + kScoresLogMessage};
    const QStringList station{waisLine("JN45", "I1AAA", ' '), waisLine("JN61", "I1BBB", '*')};
    const QStringList both{waisLine("JN45", "IK2AAA", '*', true), waisLine("JN61", "I1BBB", '*'),
                           waisLine("JN70", "IK2BBB", ' ', true)};
    const struct {
        const char* what;
        const char *program, *log; // nullptr: no sibling logbook
        std::function<bool()> make;
        QStringList messages; // of the list, then of the scores, in order
        bool merge;
        QStringList shown;
        const char* counts; // contacted and confirmed
    } cases[] = {
        {"none", nullptr, nullptr, write, {}, false, station, "2 1"},
        {"outdated", "Non", "Non", write, outdated, false, station, "2 1"},
        {"updated in small letters", "non", "NON", write, {}, true, both, "3 2"},
        {"missing", "Oui", "Oui", [] { return true; }, unreadable, true, station, "2 1"},
        {"FIFO", "Oui", "Oui", fifo, unreadable, true, station, "2 1"},
        {"device", "Oui", "Oui", device, unreadable, true, station, "2 1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeBytes("Tempo_Locator.txt", "left over\r\n");
        QFile::remove(sibling);
        ASSERT_TRUE(c.make());
        if (c.program) { // as the sibling logbook leaves them
            QSettings s(QSettings::IniFormat, QSettings::UserScope, "ZELK", "DAI");
            s.setValue("Setup /Indicatif Station", "IK2XYZ");
            s.setValue("Setup /Chemin Repertoire", dir.path());
            s.setValue("Setup IK2XYZ/Mise a jour Prog", c.program);
            s.setValue("Setup IK2XYZ/Mise a jour Log", c.log);
        }
        const QByteArray settings = daiSettings();
        dialogs.messages.clear();
        openAffContacteWais();
        auto* list = existingScreen<Aff_Contacte_WAIS>();
        EXPECT_EQ(lines(list, "Liste_Locators"), c.shown);
        EXPECT_EQ(files().value("Tempo_Locator.txt", "missing"), QByteArray());
        openScoresWais();
        auto* scores = existingScreen<Scores_WAIS>();
        EXPECT_EQ(dialogs.messages, c.messages);
        EXPECT_EQ((texts(list, "Label1 Nb_Ref NB_Ref_V") + texts(scores, "NB_Contacte NB_Confirme"))
                      .join(' '),
                  kWaisHeading + " " + c.counts + " " + c.counts);
        for (QWidget* screen : {static_cast<QWidget*>(list), static_cast<QWidget*>(scores)})
            EXPECT_EQ(screen->windowTitle(), waisWindowTitle(c.merge));
        EXPECT_EQ(texts(scores, "Label5 Label10"),
                  (QStringList{waisContactedCaption(c.merge), waisConfirmedCaption(c.merge)}));
        EXPECT_EQ(daiSettings(), settings);
        delete list;
        delete scores;
    }
}
