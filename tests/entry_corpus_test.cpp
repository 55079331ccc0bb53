// Damaged files: every screen opens on each file of tests/data/corpus, installed as the station
// log, the castle list, the first-name list or the sibling log. Long lines and many lines are
// made here, not committed.
#include "entry_support.h"

#include "awardwindows.h"
#include "codepage.h"
#include "geoscreens.h"
#include "qsolistmodel.h"
#include "reportscreens.h"

#include <QDir>
#include <QSettings>

namespace {

struct Damaged {
    std::string name; // role prefix: log, castles, names or dai
    QByteArray bytes;
};

void PrintTo(const Damaged& d, std::ostream* os) {
    *os << d.name;
}

// Sibling log line: callsign, locator at column 14, reference at 35, date at 42, QSL at 138.
const QByteArray kDaiLine = QByteArray("IK2DAI       JN45") + QByteArray(17, ' ') +
                            "RM0012 03/04/99 09:05 CW  7.0 Mhz" + QByteArray(83, ' ') + "* XX";

// Each role's file, and a sound line of it.
const std::map<std::string, std::pair<QString, QByteArray>> kRoles = {
    {"log", {"IK1ABC_DCI.log", encodeCp1252(logLine("I1ABC", "CN001", "01/02/07", "10:00"))}},
    {"castles", {"Liste_Chateau.txt", castleLine("CN001", "CASTELLO DI CUNEO", "12", "JN34")}},
    {"names", {"Liste_Prenom.txt", "I1ABC           MARIO"}},
    {"dai", {"IK2DAI_DAI.log", kDaiLine}},
};

std::vector<Damaged> corpus() {
    std::vector<Damaged> files;
    const QDir dir(QStringLiteral(ZELK_TEST_DATA "/corpus"));
    for (const QString& name : dir.entryList({"*.txt"}, QDir::Files, QDir::Name)) {
        QFile f(dir.filePath(name));
        if (f.open(QIODevice::ReadOnly))
            files.push_back({name.chopped(4).toStdString(), f.readAll()});
    }
    for (const auto& [role, file] : kRoles) {
        const QByteArray good = file.second + "\r\n";
        files.push_back({role + "_10000_character_line",
                         good + file.second.leftJustified(10000, 'X') + "\r\n" + good});
        files.push_back({role + "_3000_lines", good.repeated(3000)});
    }
    return files;
}

class DamagedFile : public MainTest, public ::testing::WithParamInterface<Damaged> {
protected:
    void SetUp() override {
        MainTest::SetUp();
        QSettings dai(QSettings::IniFormat, QSettings::UserScope, "ZELK", "DAI");
        dai.setValue("Setup /Indicatif Station", "IK2DAI");
        dai.setValue("Setup /Chemin Repertoire", QDir(dir.filePath("program")).path());
        dai.setValue("Setup IK2DAI/Mise a jour Prog", "Oui");
        dai.setValue("Setup IK2DAI/Mise a jour Log", "Oui");
        setStation("IK1ABC", {logLine("I1ABC", "CN001"), logLine("IK2XYZ", "MI005")});
        writeBytes("IK2DAI_DAI.log", kDaiLine + "\r\n");
        writeBytes(kRoles.at(role).first, GetParam().bytes);
    }
    const std::string role = GetParam().name.substr(0, GetParam().name.find('_'));
};

TEST_P(DamagedFile, EveryScreenOpensInAFittingWindow) {
    dialogs.printerPdf = dir.filePath("printed.pdf");
    start();
    // The log's lines, split here apart from the program's reader: CR LF, LF or a lone CR.
    QByteArray bytes = GetParam().bytes;
    QList<QByteArray> lines = bytes.replace("\r\n", "\n").replace('\r', '\n').split('\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    const int rows = main->qsoModel()->rowCount();
    ASSERT_EQ(rows, role == "log" ? lines.size() : 2);
    for (int row = 0; row < rows && role == "log"; ++row)
        EXPECT_EQ(encodeCp1252(main->qsoLines().line(row)), lines[row]) << row;
    for (void (*open)() :
         {openProvinceContacte, openRegionsContacte, openCarteItalie, openCarteActiDci,
          openSituation, openScores, openAffContacteDclo, openScoresDclo, openScoresDcpc,
          openReglement, openReglementDcpc, openAffContacteIdca, openScoresIdca,
          openAffContacteWais, openScoresWais, openDocumentWais, openDocumentDci})
        open();
    openAffContacte();
    openMiniCarte("CN001");
    openRechercheIndicatif(*main);
    QApplication::processEvents();
    int shown = 0;
    for (QWidget* t : QApplication::topLevelWidgets()) {
        shown += t->isVisible();
        EXPECT_TRUE(!t->isVisible() || (t->width() <= 1366 && t->height() <= 740))
            << t->objectName().toStdString();
    }
    EXPECT_GE(shown, 20);
    dialogs.messages.clear();
    for (const char* entry :
         {"Mnu_ADIF", "Mnu_Enr_Contacte", "Mnu_Imp_Contacte", "Mnu_Rev_Liste_Chateau"})
        trigger(entry);
    EXPECT_TRUE(QFile::exists(dialogs.printerPdf));
    ASSERT_EQ(dialogs.messages.size(), 3) << dialogs.messages.join("|").toStdString();
    EXPECT_EQ(dialogs.messages[0], "Le fichier a été enregistré sous le nom : IK1ABC_DCI.adi");
    EXPECT_EQ(dialogs.messages[1],
              "Le log a été enregistré sous le nom : Chateaux_Contacte_IK1ABC_05_12_26.txt");
    EXPECT_TRUE(dialogs.messages[2].startsWith("Nom du Fichier       : Liste_Chateau.txt\n"));
}

} // namespace

const auto kName = [](const auto& info) { return info.param.name; };
INSTANTIATE_TEST_SUITE_P(Corpus, DamagedFile, ::testing::ValuesIn(corpus()), kName);
