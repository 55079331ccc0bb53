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

// The sibling logbook's settings, as that program leaves them.
void setDai(const QString& callsign, const QString& directory, const char* program,
            const char* log) {
    QSettings s(QSettings::IniFormat, QSettings::UserScope, "ZELK", "DAI");
    s.setValue("Setup /Indicatif Station", callsign);
    s.setValue("Setup /Chemin Repertoire", directory);
    s.setValue("Setup " + callsign + "/Mise a jour Prog", program);
    s.setValue("Setup " + callsign + "/Mise a jour Log", log);
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

class WaisScreens : public AwardScreenTest {};

// The sibling logbook's log is merged square by square only when it is installed, up to date
// and readable; its settings are never written. The list leaves its work file empty.
TEST_F(WaisScreens, TheSiblingLogIsMergedOnlyWhenUpToDateAndReadable) {
    setStation("I1TEST",
               {awardQso("I1AAA", "12", "JN45", false), awardQso("I1BBB", "12", "JN61", true),
                awardQso("I1CCC", "12", "JN61", false)});
    const auto daiSettings = [this] {
        QFile f(dir.filePath("settings/ZELK/DAI.ini"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("none");
    };
    const QString siblingDir = dir.filePath("dai");
    ASSERT_TRUE(QDir().mkpath(siblingDir));
    const QString sibling = QDir(siblingDir).filePath("IK2XYZ_DAI.log");
    const auto write = [&sibling] {
        QFile f(sibling);
        return f.open(QIODevice::WriteOnly) &&
               f.write(crlf({daiQso("IK2AAA", "jn45", true), daiQso("IK2BBB", "JN70", false),
                             daiQso("IK2CCC", "    ", true)})) > 0;
    };
    const auto fifo = [&] { return ::mkfifo(QFile::encodeName(sibling), 0600) == 0; };
    const auto device = [&] { return QFile::link("/dev/zero", sibling); };
    const auto nothing = [] { return true; };
    const QStringList unreadable(2, "Impossible de lire le fichier " + sibling);
    const QStringList outdated{kProgramMessage, kProgramMessage + "\r\n" + kListLogMessage,
                               kProgramMessage, kProgramMessage + "\r\n" + kScoresLogMessage};
    const QStringList station{dciShown("JN45", "I1AAA", ' '), dciShown("JN61", "I1BBB", '*')};
    const QStringList both{daiShown("JN45", "IK2AAA", '*'), dciShown("JN61", "I1BBB", '*'),
                           daiShown("JN70", "IK2BBB", ' ')};
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
        {"missing", "Oui", "Oui", nothing, unreadable, true, station, "2 1"},
        {"FIFO", "Oui", "Oui", fifo, unreadable, true, station, "2 1"},
        {"device", "Oui", "Oui", device, unreadable, true, station, "2 1"},
        {"up to date", "Oui", "Oui", write, {}, true, both, "3 2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeBytes("Tempo_Locator.txt", "left over\r\n");
        QFile::remove(sibling);
        ASSERT_TRUE(c.make());
        if (c.program)
            setDai("IK2XYZ", siblingDir, c.program, c.log);
        const QByteArray settings = daiSettings();
        dialogs.messages.clear();
        openAffContacteWais();
        auto* list = existingScreen<Aff_Contacte_WAIS>();
        EXPECT_EQ(lines(list, "Liste_Locators"), c.shown);
        EXPECT_EQ(files().value("Tempo_Locator.txt", "missing"), QByteArray());
        openScoresWais();
        auto* scores = existingScreen<Scores_WAIS>();
        EXPECT_EQ(dialogs.messages, c.messages);
        EXPECT_EQ(texts(list, "Nb_Ref NB_Ref_V").join(' '), c.counts);
        EXPECT_EQ(texts(scores, "NB_Contacte NB_Confirme").join(' '), c.counts);
        for (QWidget* screen : {static_cast<QWidget*>(list), static_cast<QWidget*>(scores)})
            EXPECT_EQ(screen->windowTitle(), waisWindowTitle(c.merge));
        EXPECT_EQ(texts(scores, "Label5 Label10"),
                  (QStringList{waisContactedCaption(c.merge), waisConfirmedCaption(c.merge)}));
        EXPECT_EQ(daiSettings(), settings);
        delete list;
        delete scores;
    }
}
