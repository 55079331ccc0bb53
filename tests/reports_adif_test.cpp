#include "adif.h"
#include "codepage.h"
#include "programdirectory.h"
#include "qsorecord.h"
#include "reportscreens.h"
#include "stationsettings.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>

namespace {

QString record(const QString& callsign, const QString& band, bool qsl = false) {
    QsoRecord r;
    r.callsign = callsign;
    r.district = "12";
    r.firstName = "MARIO";
    r.reference = "MI012";
    r.date = "12/05/07";
    r.time = "12:48";
    r.mode = "SSB";
    r.band = band;
    r.rstReceived = "59";
    r.rstSent = "57";
    r.castleName = "CASTELLO SFORZESCO";
    r.qslReceived = qsl;
    r.locator = "JN45";
    return BuildLogLine(r);
}

// The record line of a QSO of `record` with this band and QSL value.
QString expected(const QString& band, const QString& qsl) {
    return "<call:6>IK2ABC <name:5>MARIO " + band +
           " <mode:3>SSB <qso_date:8>20070512 <time_on:4>1248 <rst_rcvd:2>59 <rst_sent:2>57 "
           "<qth:5>MI012 <comment:18>CASTELLO SFORZESCO <QSL_RCVD:1>" +
           qsl + " <eor>";
}

using Record = QMap<QString, QString>;

// Reads an ADIF file as the format defines it: the header ends at <eoh>; each field is
// <name:length> or <name:length:type> followed by exactly `length` bytes; <eor> ends a record.
// Anything between fields is ignored.
bool parseAdif(const QByteArray& bytes, QList<Record>& records) {
    qsizetype at = bytes.indexOf("<eoh>");
    if (at < 0)
        return false;
    at += 5;
    Record current;
    while ((at = bytes.indexOf('<', at)) >= 0) {
        const qsizetype close = bytes.indexOf('>', at);
        if (close < 0)
            return false;
        const QList<QByteArray> tag = bytes.mid(at + 1, close - at - 1).split(':');
        const QString name = QString::fromLatin1(tag[0]).toLower();
        at = close + 1;
        if (name == "eor") {
            records.append(current);
            current.clear();
            continue;
        }
        bool ok = false;
        const int length = tag.size() >= 2 ? tag[1].toInt(&ok) : -1;
        if (!ok || length < 0 || at + length > bytes.size())
            return false;
        current.insert(name, decodeCp1252(bytes.mid(at, length)));
        at += length;
    }
    return current.isEmpty();
}

class AdifExport : public ProgramTest {};

} // namespace

TEST(AdifBand, EveryBandLabelHasItsAdifBand) {
    const std::pair<const char*, const char*> cases[] = {
        {"1.8 Mhz", "160m"}, {"3.5 Mhz", "80m"}, {"7.0 Mhz", "40m"}, {"10 Mhz", "30m"},
        {"14 Mhz", "20m"},   {"18 Mhz", "17m"},  {"21 Mhz", "15m"},  {"24 Mhz", "12m"},
        {"28 Mhz", "10m"},   {"50 Mhz", "6m"},   {"144 Mhz", "2m"},  {"432 Mhz", "70cm"},
        {"7.050", ""},       {"14 MHz", ""},     {"14Mhz", ""},      {"", ""}};
    for (const auto& [label, band] : cases) {
        EXPECT_EQ(adifBand(label), band) << label;
        const QString bandField = QString("<band:%1>%2").arg(qstrlen(band)).arg(band);
        EXPECT_EQ(ADIF_SP(record("IK2ABC", label)), expected(bandField, "N")) << label;
    }
}

TEST(AdifDate, TwoDigitYearIsWidenedAsTheLogOrdersIt) {
    const std::pair<const char*, const char*> cases[] = {
        {"12/05/07", "20070512"}, {"31/12/99", "19991231"}, {"01/01/49", "20490101"},
        {"01/01/50", "19500101"}, {"05/12/26", "20261205"}, {"", ""},
        {"05/12/2X", "202X1205"}};
    for (const auto& [date, adif] : cases)
        EXPECT_EQ(adifDate(date), adif) << date;
}

TEST(AdifRecord, RealLogLines) {
    EXPECT_EQ(ADIF_SP(record("IK2ABC", "14 Mhz", true)), expected("<band:3>20m", "Y"));
    EXPECT_EQ(ADIF_SP(record("IK2ABC", "14 Mhz", false)), expected("<band:3>20m", "N"));

    QsoRecord r;
    r.callsign = "IZ1/F5ABC/P";
    r.reference = "CN001";
    r.date = "31/12/99";
    r.time = "23:59";
    r.mode = "CW";
    r.band = "10 Mhz";
    r.rstReceived = "599";
    r.rstSent = "5NN";
    r.castleName = "CASTELLO DELLA MANTA E DEI MARCHESI DI SALUZZO, BORGO ANTICO";
    ASSERT_EQ(r.castleName.size(), 60);
    EXPECT_EQ(ADIF_SP(BuildLogLine(r)),
              "<call:11>IZ1/F5ABC/P <name:0> <band:3>30m <mode:2>CW <qso_date:8>19991231 "
              "<time_on:4>2359 <rst_rcvd:3>599 <rst_sent:3>5NN <qth:5>CN001 "
              "<comment:60>CASTELLO DELLA MANTA E DEI MARCHESI DI SALUZZO, BORGO ANTICO "
              "<QSL_RCVD:1>N <eor>");
}

TEST(AdifRecord, BlanksAroundValuesAreNotCounted) {
    const QString line = "  I1ABC      12   LUIGI           TO001 05/12/26 09:05 FM  1"
                         "44 Mhz 5   5    ROCCA  DI  CAVOUR                           "
                         "                * JN35";
    ASSERT_EQ(line.size(), 142);
    EXPECT_EQ(ADIF_SP(line), "<call:5>I1ABC <name:5>LUIGI <band:2>2m <mode:2>FM "
                             "<qso_date:8>20261205 <time_on:4>0905 <rst_rcvd:1>5 <rst_sent:1>5 "
                             "<qth:5>TO001 <comment:17>ROCCA  DI  CAVOUR <QSL_RCVD:1>Y <eor>");
}

TEST(AdifRecord, ShortDamagedLinesGiveEmptyValues) {
    const std::pair<QString, QString> cases[] = {
        {"F5ABC        12   JEAN",
         "<call:5>F5ABC <name:4>JEAN <band:0> <mode:0> <qso_date:0> <time_on:0> <rst_rcvd:0> "
         "<rst_sent:0> <qth:0> <comment:0> <QSL_RCVD:1>N <eor>"},
        {"", "<call:0> <name:0> <band:0> <mode:0> <qso_date:0> <time_on:0> <rst_rcvd:0> "
             "<rst_sent:0> <qth:0> <comment:0> <QSL_RCVD:1>N <eor>"}};
    for (const auto& [line, adif] : cases)
        EXPECT_EQ(ADIF_SP(line), adif) << line.toStdString();
}

TEST_F(AdifExport, EmptyLogGivesTheSixHeaderLines) {
    setStation("F5XYZ");
    exportAdif();
    EXPECT_EQ(readBytes("F5XYZ_DCI.adi"),
              "Exportation du log de la station F5XYZ au format ADIF\r\n\r\nZELK_DCI\r\n\r\n"
              "\r\n<eoh>\r\n");
    EXPECT_EQ(dialogs.messages,
              QStringList{"Le fichier a été enregistré sous le nom : F5XYZ_DCI.adi"});
}

TEST_F(AdifExport, SecondExportReplacesTheFirstAndLeavesTheLogAlone) {
    setStation("F5XYZ", {record("IK2ABC", "14 Mhz", true), record("IK2ABC", "1.8 Mhz")});
    const QByteArray log = readBytes("F5XYZ_DCI.log");
    writeBytes("F5XYZ_DCI.adi", QByteArray(5000, 'x'));
    exportAdif();
    exportAdif();
    EXPECT_EQ(readBytes("F5XYZ_DCI.adi"),
              "Exportation du log de la station F5XYZ au format ADIF\r\n\r\nZELK_DCI\r\n\r\n"
              "\r\n<eoh>\r\n" +
                  expected("<band:3>20m", "Y").toLatin1() + "\r\n" +
                  expected("<band:4>160m", "N").toLatin1() + "\r\n");
    EXPECT_EQ(readBytes("F5XYZ_DCI.log"), log);
    EXPECT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(dirEntries(), (QStringList{"F5XYZ_DCI.adi", "F5XYZ_DCI.log", "FXXXX.txt",
                                         "Liste_Chateau.txt", "Liste_Prenom.txt"}));
}

TEST_F(AdifExport, AnAdifReaderRecoversEveryField) {
    QsoRecord r;
    r.callsign = "I1/F5ABC";
    r.firstName = "FRANÇOIS";
    r.reference = "AO001";
    r.date = "01/01/50";
    r.time = "00:01";
    r.mode = "SSB";
    r.band = "432 Mhz";
    r.rstReceived = "59";
    r.rstSent = "59";
    r.castleName = "CASTELLO DI FÉNIS <TORRE> 3:2";
    r.qslReceived = true;
    setStation("IZ1_TEST", {BuildLogLine(r), record("IK2ABC", "7.050")});
    exportAdif();

    QList<Record> records;
    ASSERT_TRUE(parseAdif(readBytes("IZ1_TEST_DCI.adi"), records));
    ASSERT_EQ(records.size(), 2);
    EXPECT_EQ(records[0], (Record{{"call", "I1/F5ABC"},
                                  {"name", "FRANÇOIS"},
                                  {"band", "70cm"},
                                  {"mode", "SSB"},
                                  {"qso_date", "19500101"},
                                  {"time_on", "0001"},
                                  {"rst_rcvd", "59"},
                                  {"rst_sent", "59"},
                                  {"qth", "AO001"},
                                  {"comment", "CASTELLO DI FÉNIS <TORRE> 3:2"},
                                  {"qsl_rcvd", "Y"}}));
    EXPECT_EQ(records[1].value("band"), "");
    EXPECT_EQ(records[1].value("call"), "IK2ABC");
    EXPECT_EQ(records[1].value("qsl_rcvd"), "N");
    EXPECT_EQ(dialogs.messages,
              QStringList{"Le fichier a été enregistré sous le nom : IZ1_TEST_DCI.adi"});
}

TEST_F(AdifExport, UnreadableLogSaysSoAndWritesNothing) {
    StationCallsign() = "F5NONE";
    exportAdif();
    EXPECT_EQ(dialogs.messages, QStringList{"Impossible de lire le fichier F5NONE_DCI.log"});
    EXPECT_FALSE(QFile::exists(path("F5NONE_DCI.adi")));
}

TEST_F(AdifExport, ExportThatCannotBeWrittenSaysSoAndKeepsTheOldFile) {
    setStation("F5XYZ", {record("IK2ABC", "14 Mhz")});
    // A directory in the way of the file: the export cannot take its name.
    ASSERT_TRUE(QDir(ProgramDirectory::path()).mkdir("F5XYZ_DCI.adi"));
    exportAdif();
    EXPECT_EQ(dialogs.messages, QStringList{"Impossible d'enregistrer le fichier F5XYZ_DCI.adi"});
    EXPECT_TRUE(QFileInfo(path("F5XYZ_DCI.adi")).isDir());
    EXPECT_FALSE(dirEntries().contains("Temporaire_Export.txt"));
}
