#include "aff_contacte_wais.h"
#include "awards_support.h"
#include "awardwindows.h"
#include "locatorcount.h"
#include "scores_wais.h"
#include "screenslot.h"
#include "stationsettings.h"

#include <QDir>
#include <QFile>

#include <functional>
#include <sys/stat.h>

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

DaiSettings dai(const QString& callsign, const QString& program, const QString& log) {
    DaiSettings d;
    d.callsign = callsign;
    d.programUpdated = program;
    d.logUpdated = log;
    return d;
}

} // namespace

TEST(VerifieImportDai, MessagesAndTheirAssembly) {
    const struct {
        DaiSettings settings;
        WaisWindow window;
        bool merge;
        QStringList messages;
    } cases[] = {
        {dai("FXXXX", "Non", "Non"), WaisWindow::List, false, {}},
        {dai("IK2XYZ", "Oui", "Oui"), WaisWindow::List, true, {}},
        {dai("IK2XYZ", "", ""), WaisWindow::Scores, true, {}},
        {dai("IK2XYZ", "non", "NON"), WaisWindow::Scores, true, {}},
        {dai("IK2XYZ", "Non", "Oui"), WaisWindow::Scores, false, {kProgramMessage}},
        {dai("IK2XYZ", "Oui", "Non"), WaisWindow::Scores, false, {"\r\n" + kScoresLogMessage}},
        {dai("IK2XYZ", "Oui", "Non"), WaisWindow::List, false, {"\r\n" + kListLogMessage}},
    };
    for (const auto& c : cases) {
        const ImportCheck check = verifieImportDai(c.settings, c.window);
        EXPECT_EQ(check.merge, c.merge) << c.settings.callsign.toStdString();
        EXPECT_EQ(check.messages, c.messages);
    }
}

class WaisScreens : public AwardScreenTest {
protected:
    QString siblingDir() const { return dir.filePath("dai"); }
    void writeSibling(const QString& callsign, const QStringList& lines) {
        QDir().mkpath(siblingDir());
        QFile f(QDir(siblingDir()).filePath(callsign + "_DAI.log"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(crlf(lines));
    }
    QString daiSettingsFile() const { return dir.filePath("settings/ZELK/DAI.ini"); }
    QByteArray daiSettingsBytes() const {
        QFile f(daiSettingsFile());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QStringList stationLog() const {
        return {awardQso("I1AAA", "12", "JN45", false), awardQso("I1BBB", "12", "JN61", true),
                awardQso("I1CCC", "12", "JN61", false)};
    }
};

TEST_F(WaisScreens, WithoutTheSiblingLogbookOnlyTheStationLogCounts) {
    setStation("I1TEST", stationLog());
    writeBytes("Tempo_Locator.txt", "left over\r\n");
    openAffContacteWais();
    auto* list = existingScreen<Aff_Contacte_WAIS>();
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->isVisible());
    EXPECT_EQ(list->windowTitle(), "Locators DCI contactés");
    EXPECT_EQ(text(list, "Label1"), "    Locator           Indicatif                          Date"
                                    "        QTR     QRG   Mode   Prov   Reference" +
                                        blanks(37) + "QSL");
    EXPECT_EQ(text(list, "Nb_Ref"), "2");
    EXPECT_EQ(text(list, "NB_Ref_V"), "1");
    EXPECT_EQ(text(list, "Label2"), "locators contactés");
    EXPECT_EQ(text(list, "Label5"), "locators confirmés");
    EXPECT_EQ(lines(list, "Liste_Locators"),
              (QStringList{"   JN45 I1AAA" + blanks(7) +
                               "    12/05/2007 1430  20m PHONE CN DCI-CN001" + blanks(16) + " ",
                           "   JN61 I1BBB" + blanks(7) +
                               "    12/05/2007 1430  20m PHONE CN DCI-CN001" + blanks(16) + "*"}));
    EXPECT_EQ(child<QPushButton>(list, "Doc_WAIS")->text(), "Document pour le diplome WAIS");
    // The work file is left empty.
    EXPECT_TRUE(QFile::exists(path("Tempo_Locator.txt")));
    EXPECT_EQ(readBytes("Tempo_Locator.txt"), QByteArray());

    openScoresWais();
    auto* scores = existingScreen<Scores_WAIS>();
    ASSERT_NE(scores, nullptr);
    EXPECT_EQ(scores->windowTitle(), "Locators DCI contactés");
    EXPECT_EQ(texts(scores, "Label5 Label10 NB_Contacte NB_Confirme Label1 Label2 Label7 Label8 "
                            "Label3 Label4 Label13 Label14 Label15 Label16 Label17 Label9"),
              (QStringList{"Locators DCI contacté(s)", "Locators DCI confirmé(s)", "2", "1",
                           "Vous ne pouvez pas encore obtenir", "de diplomes des Locators Italiens",
                           "Scores pour le diplome", "des Locators Italiens",
                           "Pour obtenir les diplomes des Locators",
                           "Italiens il vous faut la confirmation de :"} +
               waisLevelLabels()));

    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_FALSE(QFile::exists(daiSettingsFile()));
}

TEST_F(WaisScreens, AnOutdatedSiblingLogbookGivesBothMessagesAndIsNotMerged) {
    setStation("I1TEST", stationLog());
    setDai("IK2XYZ", siblingDir(), "Non", "Non");
    writeSibling("IK2XYZ", {daiQso("IK2AAA", "JN70", true)});
    const QByteArray settingsBefore = daiSettingsBytes();

    openScoresWais();
    EXPECT_EQ(dialogs.messages,
              (QStringList{kProgramMessage, kProgramMessage + "\r\n" + kScoresLogMessage}));
    auto* scores = existingScreen<Scores_WAIS>();
    EXPECT_EQ(scores->windowTitle(), "Locators DCI contactés");
    EXPECT_EQ(text(scores, "NB_Contacte"), "2");

    dialogs.messages.clear();
    openAffContacteWais();
    EXPECT_EQ(dialogs.messages,
              (QStringList{kProgramMessage, kProgramMessage + "\r\n" + kListLogMessage}));
    EXPECT_EQ(text(existingScreen<Aff_Contacte_WAIS>(), "Nb_Ref"), "2");
    EXPECT_EQ(daiSettingsBytes(), settingsBefore);
}

TEST_F(WaisScreens, AnUpToDateSiblingLogIsMergedSquareBySquare) {
    setStation("I1TEST", stationLog());
    setDai("IK2XYZ", siblingDir(), "Oui", "Oui");
    writeSibling("IK2XYZ", {daiQso("IK2AAA", "jn45", true), daiQso("IK2BBB", "JN70", false),
                            daiQso("IK2CCC", "    ", true)});
    const QByteArray settingsBefore = daiSettingsBytes();

    openAffContacteWais();
    auto* list = existingScreen<Aff_Contacte_WAIS>();
    EXPECT_EQ(list->windowTitle(), "Locators DAI et DCI contactés");
    EXPECT_EQ(text(list, "Nb_Ref"), "3");
    EXPECT_EQ(text(list, "NB_Ref_V"), "2");
    EXPECT_EQ(lines(list, "Liste_Locators"),
              (QStringList{"   JN45 IK2AAA" + blanks(6) +
                               "    03/04/1999 0905  40m CW    RM DAI-RM0012" + blanks(15) + "*",
                           "   JN61 I1BBB" + blanks(7) +
                               "    12/05/2007 1430  20m PHONE CN DCI-CN001" + blanks(16) + "*",
                           "   JN70 IK2BBB" + blanks(6) +
                               "    03/04/1999 0905  40m CW    RM DAI-RM0012" + blanks(15) + " "}));

    openScoresWais();
    auto* scores = existingScreen<Scores_WAIS>();
    EXPECT_EQ(scores->windowTitle(), "Locators DAI et DCI contactés");
    EXPECT_EQ(text(scores, "Label5"), "Locators DCI + DAI contacté(s)");
    EXPECT_EQ(text(scores, "Label10"), "Locators DCI + DAI confirmé(s)");
    EXPECT_EQ(text(scores, "NB_Contacte"), "3");
    EXPECT_EQ(text(scores, "NB_Confirme"), "2");
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(daiSettingsBytes(), settingsBefore);
}

TEST_F(WaisScreens, ASiblingLogThatCannotBeReadIsNamedOnceAndLeftOut) {
    setStation("I1TEST", stationLog());
    setDai("IK2XYZ", siblingDir(), "Oui", "Oui");
    const QString sibling = QDir(siblingDir()).filePath("IK2XYZ_DAI.log");
    const struct {
        const char* kind;
        std::function<bool()> make;
    } kinds[] = {
        {"missing", [&] { return QFile::remove(sibling); }},
        {"FIFO", [&] { return ::mkfifo(QFile::encodeName(sibling), 0600) == 0; }},
        {"device", [&] { return QFile::link("/dev/zero", sibling); }},
    };
    for (const auto& k : kinds) {
        SCOPED_TRACE(k.kind);
        QFile::remove(sibling);
        ASSERT_TRUE(k.make() || !QFile::exists(sibling));
        dialogs.messages.clear();
        openAffContacteWais();
        EXPECT_EQ(dialogs.messages, QStringList{"Impossible de lire le fichier " + sibling});
        auto* list = existingScreen<Aff_Contacte_WAIS>();
        EXPECT_EQ(text(list, "Nb_Ref"), "2");
        EXPECT_EQ(lines(list, "Liste_Locators").size(), 2);

        dialogs.messages.clear();
        openScoresWais();
        EXPECT_EQ(dialogs.messages, QStringList{"Impossible de lire le fichier " + sibling});
        EXPECT_EQ(text(existingScreen<Scores_WAIS>(), "NB_Confirme"), "1");
        delete existingScreen<Aff_Contacte_WAIS>();
        delete existingScreen<Scores_WAIS>();
    }
}
