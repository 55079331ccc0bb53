#include "adif.h"
#include "codepage.h"
#include "programdirectory.h"
#include "reportscreens.h"
#include "stationsettings.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// A log line of IK2ABC on `band`, confirmed or not.
QString record(const QString& band, bool qsl = false) {
    const QString line = "IK2ABC       12   MARIO           MI012 12/05/07 12:48 SSB 14 Mhz  59  "
                         "57  CASTELLO SFORZESCO                                             JN45";
    return line.left(59) + band.leftJustified(8) + line.mid(67, 69) + (qsl ? "*" : " ") +
           line.mid(137);
}

// The record line of a QSO of `record` with this band field and QSL value.
QString expected(const QString& band, const QString& qsl) {
    return "<call:6>IK2ABC <name:5>MARIO " + band +
           " <mode:3>SSB <qso_date:8>20070512 <time_on:4>1248 <rst_rcvd:2>59 <rst_sent:2>57 "
           "<qth:5>MI012 <comment:18>CASTELLO SFORZESCO <QSL_RCVD:1>" +
           qsl + " <eor>";
}

const QByteArray kHeader =
    "Exportation du log de la station F5XYZ au format ADIF\r\n\r\nZELK_DCI\r\n\r\n\r\n<eoh>\r\n";

class AdifExport : public ProgramTest {};

// The record line of a log line, as the export writes it.
QString adifRecord(const QString& line) {
    QByteArray out;
    appendAdifRecord(out, encodeCp1252(line));
    return decodeCp1252(out);
}

} // namespace

TEST(Adif, BandsAndWidenedYears) {
    const std::pair<const char*, const char*> bands[] = {
        {"1.8 Mhz", "160m"}, {"3.5 Mhz", "80m"}, {"7.0 Mhz", "40m"}, {"10 Mhz", "30m"},
        {"14 Mhz", "20m"},   {"18 Mhz", "17m"},  {"21 Mhz", "15m"},  {"24 Mhz", "12m"},
        {"28 Mhz", "10m"},   {"50 Mhz", "6m"},   {"144 Mhz", "2m"},  {"432 Mhz", "70cm"},
        {"7.050", ""},       {"14 MHz", ""},     {"14Mhz", ""},      {"", ""}};
    for (const auto& [label, band] : bands) {
        EXPECT_EQ(adifBand(label), band) << label;
        const QString bandField = QString("<band:%1>%2").arg(qstrlen(band)).arg(band);
        EXPECT_EQ(adifRecord(record(label)), expected(bandField, "N")) << label;
    }
    const std::pair<const char*, const char*> dates[] = {
        {"12/05/07", "20070512"}, {"31/12/99", "19991231"}, {"01/01/49", "20490101"},
        {"01/01/50", "19500101"}, {"05/12/26", "20261205"}, {"", ""},
        {"05/12/2X", "202X1205"}};
    for (const auto& [date, adif] : dates)
        EXPECT_EQ(adifDate(date), adif) << date;
}

TEST(Adif, RecordOfEachKindOfLogLine) {
    const std::pair<QString, QString> cases[] = {
        {record("14 Mhz", true), expected("<band:3>20m", "Y")},
        // A full castle name, a long callsign, no name.
        {"IZ1/F5ABC/P                       CN001 31/12/99 23:59 CW  10 Mhz  599 5NN CASTELLO "
         "DELLA MANTA E DEI MARCHESI DI SALUZZO, BORGO ANTICO       ",
         "<call:11>IZ1/F5ABC/P <name:0> <band:3>30m <mode:2>CW <qso_date:8>19991231 "
         "<time_on:4>2359 <rst_rcvd:3>599 <rst_sent:3>5NN <qth:5>CN001 "
         "<comment:60>CASTELLO DELLA MANTA E DEI MARCHESI DI SALUZZO, BORGO ANTICO "
         "<QSL_RCVD:1>N <eor>"},
        // Blanks around the values are not counted; blanks inside are.
        {"  I1ABC      12   LUIGI           TO001 05/12/26 09:05 FM  144 Mhz 5   5    ROCCA  DI "
         " CAVOUR                                           * JN35",
         "<call:5>I1ABC <name:5>LUIGI <band:2>2m <mode:2>FM <qso_date:8>20261205 "
         "<time_on:4>0905 <rst_rcvd:1>5 <rst_sent:1>5 <qth:5>TO001 <comment:17>ROCCA  DI  CAVOUR "
         "<QSL_RCVD:1>Y <eor>"},
        // Short damaged lines give empty values.
        {"F5ABC        12   JEAN",
         "<call:5>F5ABC <name:4>JEAN <band:0> <mode:0> <qso_date:0> <time_on:0> <rst_rcvd:0> "
         "<rst_sent:0> <qth:0> <comment:0> <QSL_RCVD:1>N <eor>"},
        {"", "<call:0> <name:0> <band:0> <mode:0> <qso_date:0> <time_on:0> <rst_rcvd:0> "
             "<rst_sent:0> <qth:0> <comment:0> <QSL_RCVD:1>N <eor>"}};
    for (const auto& [line, adif] : cases)
        EXPECT_EQ(adifRecord(line), adif) << line.toStdString();
}

TEST_F(AdifExport, EachExportReplacesTheLastAndLeavesTheLogAlone) {
    setStation("F5XYZ");
    writeBytes("F5XYZ_DCI.adi", QByteArray(5000, 'x'));
    exportAdif();
    EXPECT_EQ(readBytes("F5XYZ_DCI.adi"), kHeader);

    setStation("F5XYZ", {record("14 Mhz", true), record("1.8 Mhz")});
    const QByteArray log = readBytes("F5XYZ_DCI.log");
    exportAdif();
    EXPECT_EQ(readBytes("F5XYZ_DCI.adi"), kHeader + expected("<band:3>20m", "Y").toLatin1() +
                                              "\r\n" + expected("<band:4>160m", "N").toLatin1() +
                                              "\r\n");
    EXPECT_EQ(readBytes("F5XYZ_DCI.log"), log);
    EXPECT_EQ(dialogs.messages,
              QStringList(2, "Le fichier a été enregistré sous le nom : F5XYZ_DCI.adi"));
    EXPECT_EQ(dirEntries(), (QStringList{"F5XYZ_DCI.adi", "F5XYZ_DCI.log", "FXXXX.txt",
                                         "Liste_Chateau.txt", "Liste_Prenom.txt"}));
}

TEST_F(AdifExport, FailuresSaySoAndWriteNothing) {
    StationCallsign() = "F5NONE";
    exportAdif();
    EXPECT_FALSE(QFile::exists(path("F5NONE_DCI.adi")));

    setStation("F5XYZ", {record("14 Mhz")});
    // A directory in the way of the file: the export cannot take its name.
    ASSERT_TRUE(QDir(ProgramDirectory::path()).mkdir("F5XYZ_DCI.adi"));
    exportAdif();
    EXPECT_EQ(dialogs.messages, (QStringList{"Impossible de lire le fichier F5NONE_DCI.log",
                                             "Impossible d'enregistrer le fichier F5XYZ_DCI.adi"}));
    EXPECT_TRUE(QFileInfo(path("F5XYZ_DCI.adi")).isDir());
    EXPECT_FALSE(dirEntries().contains("Temporaire_Export.txt"));
}

TEST(Adif, RecordsKeepTheBytesOfTheLog) {
    const QByteArray base = encodeCp1252(record("14 Mhz"));
    const QByteArray baseRecord = expected("<band:3>20m", "N").toLatin1();
    // Columns (0-based) replaced in the log line, and fields replaced in its record.
    const struct {
        std::vector<std::pair<int, QByteArray>> columns;
        std::vector<std::pair<QByteArray, QByteArray>> fields;
    } cases[] = {
        // Tabs and no-break spaces are trimmed like blanks.
        {{{0, "\tIK2ABC\xa0\xa0\xa0\xa0\xa0"},
          {59, "\xa0"
               "14 Mhz"}},
         {}},
        // Bytes 0x80-0x9F are written as they are, one byte each.
        {{{75, "CASTELLO \x80\x81\x9f\xa0X    "}},
         {{"<comment:18>CASTELLO SFORZESCO", "<comment:14>CASTELLO \x80\x81\x9f\xa0X"}}},
        {{{18, "J\x8dN  "}}, {{"<name:5>MARIO", "<name:3>J\x8dN"}}},
        // Damaged dates and times.
        {{{40, "5/12/26 "}}, {{"<qso_date:8>20070512", "<qso_date:8>20262/5/"}}},
        {{{40, "12/05/\xe9"
               "7"}},
         {{"<qso_date:8>20070512", "<qso_date:8>20\xe9"
                                   "70512"}}},
        {{{40, "01/01/5 "}}, {{"<qso_date:8>20070512", "<qso_date:8>20/50101"}}},
        {{{40, "01/01/50"}}, {{"<qso_date:8>20070512", "<qso_date:8>19500101"}}},
        {{{40, "31/12/49"}}, {{"<qso_date:8>20070512", "<qso_date:8>20491231"}}},
        {{{40, "        "}}, {{"<qso_date:8>20070512", "<qso_date:0>"}}},
        {{{49, "9:05 "}}, {{"<time_on:4>1248", "<time_on:4>9:05"}}},
        {{{49, "   7 "}}, {{"<time_on:4>1248", "<time_on:2>77"}}},
        {{{136, "\xa0"}}, {}},
        {{{136, "*"}}, {{"<QSL_RCVD:1>N", "<QSL_RCVD:1>Y"}}},
    };
    for (const auto& c : cases) {
        QByteArray line = base, record = baseRecord;
        for (const auto& [at, bytes] : c.columns)
            line.replace(at, bytes.size(), bytes);
        for (const auto& [from, to] : c.fields)
            record.replace(from, to);
        QByteArray out = "head";
        appendAdifRecord(out, line);
        EXPECT_EQ(out, "head" + record) << line.toStdString();
    }
}
