#include "adifimport.h"
#include "adifreader.h"
#include "reportscreens.h"
#include "stationsettings.h"
#include "testsupport.h"

#include <QDir>

namespace {

class AdifImport : public ProgramTest {};

} // namespace

TEST(AdifMapping, EachRuleAndEachReasonToLeaveARecordOut) {
    const CastleIndex castles{
        {"AG001", {CastleList::Status::Found, "CASTELLO DI NARO", "171", "JM67"}}};
    using K = MappedRecord::Kind;
    const struct {
        QString fields;
        K kind;
        QString result; // the log line's fields, or the reason
    } cases[] = {
        // The record's "name=value" fields and the log line's fields: callsign, district, first
        // name, reference, date, time, mode, band, reports, castle name, QSL marker, locator.
        {"sig=dci|sig_info=ag-001|call=i1abc|qso_date=20070512|time_on=124830|band=20M|name=Mario|"
         "mode=rtty|rst_rcvd=599|rst_sent=5nn|qsl_rcvd=V|gridsquare=JN45",
         K::Castle,
         "I1ABC|171|MARIO|AG001|12/05/07|12:48|RTT|14 Mhz|599|5nn|CASTELLO DI NARO|*|JM67"},
        // This program's own export: the reference in QTH, the castle's name in COMMENT.
        {"call=IK2ABC|qth=MI012|comment=Castello Sforzesco|gridsquare=jn45ab|qso_date=19991231|"
         "time_on=2359|freq=7.050|mode=SSTV|qsl_rcvd=N|name=Jean-Christophe Albert",
         K::Castle,
         "IK2ABC||JEAN-CHRISTOPHE|MI012|31/12/99|23:59|SST|7.0 Mhz|||Castello Sforzesco||JN45"},
        {"call=I1ABC|qth=AG 001|qso_date=20490101|time_on=0000|band=70CM|mode=PSK31|rst_rcvd=-10dB",
         K::Castle, "I1ABC|171||AG001|01/01/49|00:00|PSK|432 Mhz|-10||CASTELLO DI NARO||JM67"},
        {"sig=Dci|sig_info=XX001|call=I1ABC", K::Refused,
         QString::fromUtf8("référence de château illisible")},
        {"sig=DCI|sig_info=AG001|call=IZ1/F5ABCD/QRP|qso_date=20070512|time_on=1248|band=20m",
         K::Refused, QString::fromUtf8("indicatif de plus de 12 caractères")},
        {"sig=DCI|sig_info=AG001|call=I1ABC|qso_date=20071332|time_on=1248|band=20m", K::Refused,
         "date illisible"},
    };
    for (const auto& c : cases) {
        AdifRecord r;
        for (const QString& f : c.fields.split('|'))
            r.fields.push_back({f.section('=', 0, 0), f.section('=', 1)});
        r.count = qsizetype(r.fields.size());
        const MappedRecord m = mapAdifRecord(r, castles);
        EXPECT_EQ(m.kind, c.kind) << c.fields.toStdString();
        const QStringList f = c.result.split('|');
        EXPECT_EQ(m.kind == K::Castle ? m.line : m.reason,
                  m.kind == K::Castle ? BuildLogLine({f[0], f[1], f[2], f[3], f[4], f[5], f[6],
                                                      f[7], f[8], f[9], f[10], f[11] == "*", f[12]})
                                      : c.result)
            << c.fields.toStdString();
    }
}

TEST_F(AdifImport, PlacesInDateOrderLeavesOutAndReports) {
    const QStringList log{logLine("I1OLD", "AG001", "01/01/20", "12:00"),
                          logLine("I2OLD", "AG001", "01/01/22", "12:00")};
    setStation("F5XYZ", log);
    writeBytes("Liste_Chateau.txt", castleLine("CN001", "CASTELLO CN001", "12", "JN61"));
    writeBytes("Liste_Prenom.txt", "I1NEW           PAOLO\r\nI2NEW           LUCA\r\n");
    const QByteArray adif =
        "Export of a general logger\r\n<EOH>\r\n"
        "<call:5>i1new <name:5>Mario <sig:3>DCI <sig_info:5>CN001 <qso_date:8>20210101 "
        "<time_on:4>1200 <band:3>20m <mode:3>SSB <rst_rcvd:2>59 <rst_sent:2>59 <eor>\r\n"
        // Same minute as a QSO of the log: it goes after it.
        "<call:5>I3NEW <qth:5>CN001 <qso_date:8>20220101 <time_on:4>1200 <band:3>20m "
        "<mode:3>SSB <rst_rcvd:2>59 <rst_sent:2>59 <eor>\r\n"
        // A QSO of the log, then one already in the file.
        "<call:5>I2OLD <qth:5>AG001 <qso_date:8>20220101 <time_on:4>1200 <band:3>20m "
        "<mode:3>SSB <eor>\r\n"
        "<call:5>I1NEW <sig:3>DCI <sig_info:5>CN001 <qso_date:8>20210101 <time_on:6>120059 "
        "<band:3>20m <mode:3>SSB <eor>\r\n"
        "<call:5>I2NEW <qth:6>Milano <band:3>40m <eor>\r\n"
        "<call:5>I4NEW <qth:5>CN001 <qso_date:8>20210101 <time_on:4>1200 <band:3>60m <eor>\r\n";
    for (int pass = 0; pass < 2; ++pass) {
        writeBytes("in.adi", adif);
        const ImportReport r = importAdifFile(path("in.adi"), "F5XYZ");
        EXPECT_EQ(r.firstImportedRow, pass == 0 ? 1 : -1);
        EXPECT_EQ(importReportText(r),
                  QString::fromUtf8("Importation du fichier in.adi dans F5XYZ_DCI.log\n\n"
                                    "Enregistrements lus : 6\n"
                                    "QSO de châteaux importés : %1\n"
                                    "Doublons non importés : %2\n"
                                    "Enregistrements sans référence de château : 1\n"
                                    "QSO de châteaux non importés : 1\n\n"
                                    "Enregistrement 6 (I4NEW) : bande hors des douze bandes du log")
                      .arg(pass == 0 ? 2 : 0)
                      .arg(pass == 0 ? 2 : 4));
        QsoRecord mario = sampleQso("I1NEW", "CN001", "01/01/21", "12:00", "SSB", "14 Mhz", false);
        mario.firstName = "MARIO";
        EXPECT_EQ(readBytes("F5XYZ_DCI.log"),
                  crlf({log[0], BuildLogLine(mario), log[1],
                        logLine("I3NEW", "CN001", "01/01/22", "12:00")}));
        EXPECT_EQ(readBytes("Liste_Prenom.txt"), "I1NEW           MARIO\r\nI2NEW           LUCA\r\n"
                                                 "I3NEW           \r\n");
    }
}

TEST_F(AdifImport, FailuresWriteNothing) {
    const QStringList log{logLine("I1OLD", "AG001", "01/01/20", "12:00")};
    setStation("F5XYZ", log);
    const QByteArray good = "<call:5>I1NEW <qth:5>CN001 <qso_date:8>20210101 <time_on:4>1200 "
                            "<band:3>20m <mode:3>SSB <name:4>ANNA <eor>\r\n";
    const QString nothing = QString::fromUtf8(" : rien n'a été importé.");
    const std::tuple<QByteArray, bool, QString> cases[] = {
        {"", true, "Le fichier in.adi n'est pas un fichier ADIF" + nothing},
        {good + "<call:5>I2NEW <qth:5>CN001 <qso_date:8>2021", true,
         "Le fichier in.adi est incomplet (il s'arrête au milieu d'un enregistrement)" + nothing},
        {good, false, QString::fromUtf8("Importation annulée : le log n'a pas été modifié.")},
    };
    for (const auto& [data, goOn, message] : cases) {
        writeBytes("in.adi", data);
        const auto progress = [goOn](qsizetype, qsizetype) { return goOn; };
        EXPECT_EQ(importReportText(importAdifFile(path("in.adi"), "F5XYZ", progress)), message);
    }
    EXPECT_EQ(importReportText(importAdifFile(path("in.adi"), "F5NONE")),
              "Impossible de lire le fichier F5NONE_DCI.log");
    QFile::remove(path("in.adi"));
    ASSERT_TRUE(QDir(path("")).mkdir("in.adi"));
    EXPECT_EQ(importReportText(importAdifFile(path("in.adi"), "F5XYZ")),
              "Impossible de lire le fichier in.adi");
    EXPECT_EQ(readBytes("F5XYZ_DCI.log"), crlf(log));
    EXPECT_EQ(readBytes("Liste_Prenom.txt"), "");
    EXPECT_FALSE(dirEntries().contains("Temporaire6.txt"));
}

TEST(AdifReader, ReadsWhatTheFormatAllows) {
    using S = AdifStatus;
    const struct {
        QByteArray data;
        S status;
        QString records;
    } cases[] = {
        {"Log of F5XYZ <made by hand>\r\n<adif_ver:5>3.1.0 <programid:4>TEST\r\n<EOH>\r\n"
         "<call:5>I1ABC <band:3>20m <eor>\r\n<call:5>I2ABC<eor>",
         S::Ok, "1: call=I1ABC band=20m\n2: call=I2ABC"},
        // Header fields before <eoh> in a file that starts with a tag are not a record.
        {"<adif_ver:5>3.1.0<eoh><call:5>I1ABC<eor>", S::Ok, "1: call=I1ABC"},
        {"<CALL:5>I1ABC <Band:3>20M <Sig_Info:5>AG001 <eOr>", S::Ok,
         "1: call=I1ABC band=20M sig_info=AG001"},
        // The length, not the next tag, ends a value; text between fields is passed over.
        {"<comment:12>A<B>\r\nC:D <E junk <x> <eor>", S::Ok, "1: comment=A<B>\r\nC:D <E"},
        {"<name:6>F\xc3\x89NIS<eor>", S::Ok, "1: name=FÉNIS"},
        {"<name:5>F\xc9NIS<eor>", S::Ok, "1: name=FÉNIS"},
        {"\xef\xbb\xbf<call:5>I1ABC<app_log_x:2>zz<eor>", S::Ok, "1: call=I1ABC app_log_x=zz"},
        {"<eor><call:0><eor>", S::Ok, "1: call="},
        {"<call:5>I1ABC<eor><call:9>I1A", S::CutShort, "1: call=I1ABC"},
        {"<call:99999999999999999999999>I1ABC<eor>", S::CutShort, ""},
        {QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR<\xff", 18), S::NotAdif, ""},
        {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ADX><HEADER><ADIF_VER>3.1.0</ADIF_VER>"
         "</HEADER><RECORDS><RECORD><CALL>I1ABC</CALL><Sig>DCI</Sig>"
         "<USERDEF FIELDNAME=\"W\">v</USERDEF><NAME>F\xc3\x89NIS &lt;3&gt;</NAME></RECORD>"
         "<RECORD><CALL>I2ABC</CALL></RECORD></RECORDS></ADX>",
         S::Ok, "1: call=I1ABC sig=DCI name=FÉNIS <3>\n2: call=I2ABC"},
        {"<?xml version=\"1.0\"?><ADX><RECORDS><RECORD><CALL>I1ABC</CALL></RECORD><RECORD><CALL>",
         S::CutShort, "1: call=I1ABC"},
    };
    for (const auto& c : cases) {
        // Every record read, one per line, its fields as name=value with blanks between.
        QStringList records;
        const AdifStatus status = readAdif(c.data, [&records](const AdifRecord& r) {
            QStringList fields;
            for (qsizetype i = 0; i < r.count; ++i)
                fields.append(r.fields[i].name + "=" + r.fields[i].value);
            records.append(QString::number(r.number) + ": " + fields.join(' '));
            return true;
        });
        EXPECT_EQ(records.join('\n'), c.records) << c.data.toStdString();
        EXPECT_EQ(status, c.status) << c.data.toStdString();
    }
}
