#include "adif.h"
#include "codepage.h"
#include "programdirectory.h"
#include "reportscreens.h"
#include "stationsettings.h"
#include "testsupport.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kLine = "IK2ABC       12   MARIO           MI012 12/05/07 12:48 SSB 14 Mhz  59  57 "
                      " CASTELLO SFORZESCO                                             JN45";
const QByteArray kRecord = "<call:6>IK2ABC <name:5>MARIO <band:3>20m <mode:3>SSB "
                           "<qso_date:8>20070512 <time_on:4>1248 <rst_rcvd:2>59 <rst_sent:2>57 "
                           "<qth:5>MI012 <comment:18>CASTELLO SFORZESCO <QSL_RCVD:1>N <eor>";
const QByteArray kHeader =
    "Exportation du log de la station F5XYZ au format ADIF\r\n\r\nZELK_DCI\r\n\r\n\r\n<eoh>\r\n";

QByteArray recordOf(const QByteArray& line) {
    QByteArray out = "head";
    appendAdifRecord(out, line);
    return out;
}

} // namespace

TEST(Adif, RecordsKeepTheBytesOfTheLog) {
    // Columns (0-based) replaced in the log line, and fields replaced in its record.
    const struct {
        std::vector<std::pair<int, QByteArray>> columns;
        std::vector<std::pair<QByteArray, QByteArray>> fields;
    } cases[] = {
        {{}, {}},
        // Tabs and no-break spaces are trimmed like blanks; blanks inside are kept.
        {{{0, "\tIK2ABC\xa0\xa0\xa0\xa0\xa0"},
          {59, "\xa0"
               "14 Mhz"}},
         {}},
        {{{75, "CASTELLO \x80\x81\x9f\xa0 X   "}},
         {{"<comment:18>CASTELLO SFORZESCO", "<comment:15>CASTELLO \x80\x81\x9f\xa0 X"}}},
        // Two-digit years from 50 are of the 1900s; damaged dates and times as they stand.
        {{{40, "01/01/50"}}, {{"<qso_date:8>20070512", "<qso_date:8>19500101"}}},
        {{{40, "31/12/49"}}, {{"<qso_date:8>20070512", "<qso_date:8>20491231"}}},
        {{{40, "5/12/26 "}}, {{"<qso_date:8>20070512", "<qso_date:8>20262/5/"}}},
        {{{40, "        "}}, {{"<qso_date:8>20070512", "<qso_date:0>"}}},
        {{{49, "   7 "}}, {{"<time_on:4>1248", "<time_on:2>77"}}},
        {{{59, "14MHz  "}}, {{"<band:3>20m", "<band:0>"}}},
    };
    for (const auto& c : cases) {
        QByteArray line = encodeCp1252(kLine), record = kRecord;
        for (const auto& [at, bytes] : c.columns)
            line.replace(at, bytes.size(), bytes);
        for (const auto& [from, to] : c.fields)
            record.replace(from, to);
        EXPECT_EQ(recordOf(line), "head" + record) << line.toStdString();
    }
    // Short damaged lines give empty values.
    EXPECT_EQ(recordOf("F5ABC        12   JEAN"),
              "head<call:5>F5ABC <name:4>JEAN <band:0> <mode:0> <qso_date:0> <time_on:0> "
              "<rst_rcvd:0> <rst_sent:0> <qth:0> <comment:0> <QSL_RCVD:1>N <eor>");
}

class AdifExport : public ProgramTest {};

TEST_F(AdifExport, EachExportReplacesTheLastAndLeavesTheLogAlone) {
    setStation("F5XYZ", {kLine, kLine.left(136) + "*" + kLine.mid(137)});
    writeBytes("F5XYZ_DCI.adi", QByteArray(5000, 'x'));
    const QByteArray log = readBytes("F5XYZ_DCI.log");
    exportAdif();
    EXPECT_EQ(readBytes("F5XYZ_DCI.adi"),
              kHeader + kRecord + "\r\n" + QByteArray(kRecord).replace(":1>N", ":1>Y") + "\r\n");
    EXPECT_EQ(readBytes("F5XYZ_DCI.log"), log);
    EXPECT_EQ(dirEntries(), (QStringList{"F5XYZ_DCI.adi", "F5XYZ_DCI.log", "FXXXX.txt",
                                         "Liste_Chateau.txt", "Liste_Prenom.txt"}));
}

TEST_F(AdifExport, FailuresSaySoAndWriteNothing) {
    StationCallsign() = "F5NONE";
    exportAdif();
    setStation("F5XYZ", {kLine});
    // A directory in the way of the file: the export cannot take its name.
    ASSERT_TRUE(QDir(ProgramDirectory::path()).mkdir("F5XYZ_DCI.adi"));
    exportAdif();
    EXPECT_EQ(dialogs.messages, (QStringList{"Impossible de lire le fichier F5NONE_DCI.log",
                                             "Impossible d'enregistrer le fichier F5XYZ_DCI.adi"}));
    EXPECT_TRUE(QFileInfo(path("F5XYZ_DCI.adi")).isDir());
    EXPECT_EQ(dirEntries(),
              (QStringList{"F5XYZ_DCI.log", "FXXXX.txt", "Liste_Chateau.txt", "Liste_Prenom.txt"}));
}
