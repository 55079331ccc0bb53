// An ADIF file of any bytes: the reader, ADI and ADX, and the mapping of each record to a line.
#include "adifimport.h"
#include "adifreader.h"
#include "fuzzinput.h"

#include <QByteArray>
#include <QStringDecoder>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    // Qt's own decoder is the other judge of UTF-8.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::ConvertInitialBom | QStringDecoder::Flag::Stateless);
    const QString decoded = utf8(bytes);
    fuzzCheck(isValidUtf8(bytes) == !utf8.hasError(), "UTF-8 check");
    static const CastleIndex castles{
        {QStringLiteral("AG001"), {CastleList::Status::Found, "CASTELLO", "171", "JM67"}}};
    int expected = 0;
    qsizetype lastEnd = 0;
    readAdif(bytes, [&](const AdifRecord& r) {
        fuzzCheck(r.number == ++expected, "record numbers");
        fuzzCheck(r.end >= lastEnd && r.end <= bytes.size(), "record end");
        lastEnd = r.end;
        fuzzCheck(r.count > 0 && r.count <= qsizetype(r.fields.size()), "field count");
        const MappedRecord m = mapAdifRecord(r, castles);
        fuzzCheck(m.kind == MappedRecord::Kind::Castle ? m.line.size() == 142 : m.line.isEmpty(),
                  "mapped line");
        fuzzCheck(m.kind != MappedRecord::Kind::Refused || !m.reason.isEmpty(), "reason");
        return true;
    });
    return 0;
}
