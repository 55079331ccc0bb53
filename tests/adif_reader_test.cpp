#include "adifreader.h"
#include "testsupport.h"

namespace {

// Every record read, one per line, its fields as name=value with blanks between.
QString readAll(const QByteArray& data, AdifStatus& status) {
    QStringList records;
    status = readAdif(data, [&records](const AdifRecord& r) {
        QStringList fields;
        for (qsizetype i = 0; i < r.count; ++i)
            fields.append(r.fields[i].name + "=" + r.fields[i].value);
        records.append(QString::number(r.number) + ": " + fields.join(' '));
        return true;
    });
    return records.join('\n');
}

} // namespace

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
        AdifStatus status;
        EXPECT_EQ(readAll(c.data, status), c.records) << c.data.toStdString();
        EXPECT_EQ(status, c.status) << c.data.toStdString();
    }
}
