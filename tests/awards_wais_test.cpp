#include "aff_contacte_wais.h"
#include "awards_support.h"
#include "awardwindows.h"
#include "scores_wais.h"
#include "screenslot.h"

#include <QDir>
#include <QFile>
#include <QPushButton>

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

// A line of the list for a QSO of the station log, and for one of the sibling log.
QString dciShown(const QString& square, const QString& callsign, char qsl) {
    return "   " + square + " " + callsign.leftJustified(12) +
           "    12/05/2007 1430  20m PHONE CN DCI-CN001" + blanks(16) + qsl;
}
QString daiShown(const QString& square, const QString& callsign, char qsl) {
    return "   " + square + " " + callsign.leftJustified(12) +
           "    03/04/1999 0905  40m CW    RM DAI-RM0012" + blanks(15) + qsl;
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
        {dai("IK2XYZ", "non", "NON"), WaisWindow::Scores, true, {}},
        {dai("IK2XYZ", "Non", "Oui"), WaisWindow::Scores, false, {kProgramMessage}},
        {dai("IK2XYZ", "Oui", "Non"), WaisWindow::Scores, false, {"\r\n" + kScoresLogMessage}},
        {dai("IK2XYZ", "Non", "Non"),
         WaisWindow::List,
         false,
         {kProgramMessage, kProgramMessage + "\r\n" + kListLogMessage}},
    };
    for (const auto& c : cases) {
        const ImportCheck check = verifieImportDai(c.settings, c.window);
        EXPECT_EQ(check.merge, c.merge) << c.settings.callsign.toStdString();
        EXPECT_EQ(check.messages, c.messages);
    }
}

class WaisScreens : public AwardScreenTest {
protected:
    void SetUp() override {
        AwardScreenTest::SetUp();
        setStation("I1TEST",
                   {awardQso("I1AAA", "12", "JN45", false), awardQso("I1BBB", "12", "JN61", true),
                    awardQso("I1CCC", "12", "JN61", false)});
    }
    QString siblingDir() const { return dir.filePath("dai"); }
    void writeSibling(const QStringList& lines) {
        QDir().mkpath(siblingDir());
        QFile f(QDir(siblingDir()).filePath("IK2XYZ_DAI.log"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(crlf(lines));
    }
    QByteArray daiSettingsBytes() const {
        QFile f(dir.filePath("settings/ZELK/DAI.ini"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("none");
    }
    // Both windows' counts, the list's lines, and the messages shown on opening them.
    void expectCounts(const QString& contacted, const QString& confirmed,
                      const QStringList& shown = {}) {
        openAffContacteWais();
        auto* list = existingScreen<Aff_Contacte_WAIS>();
        EXPECT_EQ(texts(list, "Nb_Ref NB_Ref_V"), (QStringList{contacted, confirmed}));
        if (!shown.isEmpty()) {
            EXPECT_EQ(lines(list, "Liste_Locators"), shown);
        }
        openScoresWais();
        EXPECT_EQ(texts(existingScreen<Scores_WAIS>(), "NB_Contacte NB_Confirme"),
                  (QStringList{contacted, confirmed}));
    }
};

TEST_F(WaisScreens, WithoutTheSiblingLogbookOnlyTheStationLogCounts) {
    writeBytes("Tempo_Locator.txt", "left over\r\n");
    expectCounts("2", "1", {dciShown("JN45", "I1AAA", ' '), dciShown("JN61", "I1BBB", '*')});
    auto* list = existingScreen<Aff_Contacte_WAIS>();
    EXPECT_EQ(texts(list, "Label1 Label2 Label5"),
              (QStringList{kWaisHeading, "locators contactés", "locators confirmés"}));
    EXPECT_EQ(child<QPushButton>(list, "Doc_WAIS")->text(), "Document pour le diplome WAIS");
    // The work file is left empty.
    EXPECT_TRUE(QFile::exists(path("Tempo_Locator.txt")));
    EXPECT_EQ(readBytes("Tempo_Locator.txt"), QByteArray());

    EXPECT_EQ(texts(existingScreen<Scores_WAIS>(),
                    "Label5 Label10 Label1 Label2 Label7 Label8 Label3 Label4 Label13 Label14 "
                    "Label15 Label16 Label17 Label9"),
              (QStringList{waisContactedCaption(false), waisConfirmedCaption(false),
                           "Vous ne pouvez pas encore obtenir", "de diplomes des Locators Italiens",
                           "Scores pour le diplome", "des Locators Italiens",
                           "Pour obtenir les diplomes des Locators",
                           "Italiens il vous faut la confirmation de :"} +
               waisLevelLabels()));
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(daiSettingsBytes(), "none");
}

TEST_F(WaisScreens, AnOutdatedSiblingLogbookGivesItsMessagesAndIsNotMerged) {
    setDai("IK2XYZ", siblingDir(), "Oui", "Non");
    writeSibling({daiQso("IK2AAA", "JN70", true)});
    const QByteArray settingsBefore = daiSettingsBytes();
    expectCounts("2", "1");
    EXPECT_EQ(dialogs.messages,
              (QStringList{"\r\n" + kListLogMessage, "\r\n" + kScoresLogMessage}));
    EXPECT_EQ(existingScreen<Scores_WAIS>()->windowTitle(), waisWindowTitle(false));
    EXPECT_EQ(daiSettingsBytes(), settingsBefore);
}

TEST_F(WaisScreens, AnUpToDateSiblingLogIsMergedSquareBySquare) {
    setDai("IK2XYZ", siblingDir(), "Oui", "Oui");
    writeSibling({daiQso("IK2AAA", "jn45", true), daiQso("IK2BBB", "JN70", false),
                  daiQso("IK2CCC", "    ", true)});
    const QByteArray settingsBefore = daiSettingsBytes();
    expectCounts("3", "2",
                 {daiShown("JN45", "IK2AAA", '*'), dciShown("JN61", "I1BBB", '*'),
                  daiShown("JN70", "IK2BBB", ' ')});
    for (QWidget* screen : {static_cast<QWidget*>(existingScreen<Aff_Contacte_WAIS>()),
                            static_cast<QWidget*>(existingScreen<Scores_WAIS>())})
        EXPECT_EQ(screen->windowTitle(), "Locators DAI et DCI contactés");
    EXPECT_EQ(texts(existingScreen<Scores_WAIS>(), "Label5 Label10"),
              (QStringList{"Locators DCI + DAI contacté(s)", "Locators DCI + DAI confirmé(s)"}));
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(daiSettingsBytes(), settingsBefore);
}

TEST_F(WaisScreens, ASiblingLogThatCannotBeReadIsNamedOnceAndLeftOut) {
    setDai("IK2XYZ", siblingDir(), "Oui", "Oui");
    ASSERT_TRUE(QDir().mkpath(siblingDir()));
    const QString sibling = QDir(siblingDir()).filePath("IK2XYZ_DAI.log");
    const struct {
        const char* kind;
        std::function<bool()> make;
    } kinds[] = {
        {"missing", [&] { return !QFile::exists(sibling); }},
        {"FIFO", [&] { return ::mkfifo(QFile::encodeName(sibling), 0600) == 0; }},
        {"device", [&] { return QFile::link("/dev/zero", sibling); }},
    };
    for (const auto& k : kinds) {
        SCOPED_TRACE(k.kind);
        QFile::remove(sibling);
        ASSERT_TRUE(k.make());
        dialogs.messages.clear();
        expectCounts("2", "1");
        EXPECT_EQ(dialogs.messages, QStringList(2, "Impossible de lire le fichier " + sibling));
        delete existingScreen<Aff_Contacte_WAIS>();
        delete existingScreen<Scores_WAIS>();
    }
}
