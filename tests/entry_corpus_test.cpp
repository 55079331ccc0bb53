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

#include <algorithm>
#include <functional>

namespace {

struct Damaged {
    std::string name; // role prefix: log, castles, names or dai
    QByteArray bytes;
};

void PrintTo(const Damaged& d, std::ostream* os) {
    *os << d.name;
}

// The lines of the bytes, split here apart from the program's reader: CR LF, LF or a lone CR.
QList<QByteArray> byteLines(const QByteArray& bytes) {
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        lines.append(bytes.mid(start, i - start));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        lines.append(bytes.mid(start));
    return lines;
}

// Sibling log line: callsign, locator at column 14, reference at 35, date at 42, QSL at 138.
const QByteArray kDaiLine = QByteArray("IK2DAI       JN45") + QByteArray(17, ' ') +
                            "RM0012 03/04/99 09:05 CW  7.0 Mhz" + QByteArray(83, ' ') + "* XX";

QByteArray goodLine(const std::string& role) {
    if (role == "log")
        return encodeCp1252(logLine("I1ABC", "CN001", "01/02/07", "10:00"));
    if (role == "castles")
        return castleLine("CN001", "CASTELLO DI CUNEO", "12", "JN34");
    if (role == "names")
        return "I1ABC           MARIO";
    return kDaiLine;
}

// The damaged files standing for the files of these roles.
std::vector<Damaged> corpus(const std::vector<std::string>& roles) {
    std::vector<Damaged> files;
    const QDir dir(QStringLiteral(ZELK_TEST_DATA "/corpus"));
    for (const QString& name : dir.entryList({"*.txt"}, QDir::Files, QDir::Name)) {
        QFile f(dir.filePath(name));
        const std::string role = name.section(u'_', 0, 0).toStdString();
        if (std::ranges::count(roles, role) && f.open(QIODevice::ReadOnly))
            files.push_back({name.chopped(4).toStdString(), f.readAll()});
    }
    for (const std::string& role : roles) {
        const QByteArray good = goodLine(role);
        files.push_back({role + "_10000_character_line",
                         good + "\r\n" + good.leftJustified(10000, 'X') + "\r\n" + good + "\r\n"});
        files.push_back({role + "_3000_lines", (good + "\r\n").repeated(3000)});
    }
    return files;
}

class DamagedFile : public MainTest, public ::testing::WithParamInterface<Damaged> {
protected:
    void SetUp() override {
        MainTest::SetUp();
        const std::string& name = GetParam().name;
        role = name.substr(0, name.find('_'));
        const QString program = QDir(dir.filePath("program")).path();
        QSettings dai(QSettings::IniFormat, QSettings::UserScope, "ZELK", "DAI");
        dai.setValue("Setup /Indicatif Station", "IK2DAI");
        dai.setValue("Setup /Chemin Repertoire", program);
        dai.setValue("Setup IK2DAI/Mise a jour Prog", "Oui");
        dai.setValue("Setup IK2DAI/Mise a jour Log", "Oui");
        setStation("IK1ABC", {logLine("I1ABC", "CN001"), logLine("IK2XYZ", "MI005")});
        writeBytes("IK2DAI_DAI.log", kDaiLine + "\r\n");
        writeBytes(fileName(), GetParam().bytes);
        lines = byteLines(GetParam().bytes);
    }
    QString fileName() const {
        if (role == "log")
            return "IK1ABC_DCI.log";
        if (role == "castles")
            return "Liste_Chateau.txt";
        return role == "names" ? "Liste_Prenom.txt" : "IK2DAI_DAI.log";
    }
    std::string role;
    QList<QByteArray> lines;
};

TEST_P(DamagedFile, EveryScreenOpensInAFittingWindow) {
    dialogs.printerPdf = dir.filePath("printed.pdf");
    start();
    const int rows = main->qsoModel()->rowCount();
    if (role == "log") {
        ASSERT_EQ(rows, lines.size());
        for (int row = 0; row < rows; ++row)
            EXPECT_EQ(encodeCp1252(main->qsoLines().line(row)), lines[row]) << row;
    } else {
        EXPECT_EQ(rows, 2);
    }
    const std::vector<std::function<void()>> screens = {
        openProvinceContacte,
        openRegionsContacte,
        openCarteItalie,
        openCarteActiDci,
        openSituation,
        [] { openMiniCarte("CN001"); },
        [] { openAffContacte(); },
        openScores,
        openAffContacteDclo,
        openScoresDclo,
        openScoresDcpc,
        openReglement,
        openReglementDcpc,
        openAffContacteIdca,
        openScoresIdca,
        openAffContacteWais,
        openScoresWais,
        openDocumentWais,
        openDocumentDci,
        [this] { openRechercheIndicatif(*main); },
    };
    for (const auto& open : screens) {
        open();
        QApplication::processEvents();
    }
    int shown = 0;
    for (QWidget* t : QApplication::topLevelWidgets()) {
        if (!t->isVisible())
            continue;
        ++shown;
        EXPECT_LE(t->width(), 1366) << t->objectName().toStdString();
        EXPECT_LE(t->height(), 740) << t->objectName().toStdString();
    }
    EXPECT_GE(shown, 20);
    dialogs.messages.clear();
    exportAdif();
    saveContactedCastles();
    EXPECT_FALSE(printContactedCastles().isEmpty());
    main->findChild<QAction*>("Mnu_Rev_Liste_Chateau")->trigger();
    ASSERT_EQ(dialogs.messages.size(), 3) << dialogs.messages.join("|").toStdString();
    EXPECT_TRUE(dialogs.messages[0].startsWith("Le fichier a été enregistré sous le nom : "));
    EXPECT_TRUE(dialogs.messages[2].startsWith("Nom du Fichier       : Liste_Chateau.txt\n"));
}

} // namespace

const auto kName = [](const auto& info) { return info.param.name; };
INSTANTIATE_TEST_SUITE_P(Corpus, DamagedFile,
                         ::testing::ValuesIn(corpus({"log", "castles", "names", "dai"})), kName);
