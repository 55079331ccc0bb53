// One log line at a time: the readers of its columns, the list line and the ADIF record.
#include "adif.h"
#include "castlecount.h"
#include "codepage.h"
#include "contactedcastles.h"
#include "dcilist.h"
#include "districtcount.h"
#include "fuzzinput.h"
#include "geocount.h"
#include "locatorcount.h"
#include "qsorecord.h"
#include "qsosearch.h"
#include "stationlog.h"

namespace {

// The line in its 142 columns with blanks between the fields, as a saved record has them.
QString recordShaped(const QString& line) {
    QString out = line.leftJustified(LogColumns::kLineLength, u' ', true);
    for (const int at : {12, 17, 33, 39, 48, 54, 58, 66, 70, 74, 135, 137})
        out[at] = u' ';
    return out;
}

void oneLine(const QString& line, int number, int lineCount) {
    using namespace awards;
    const int width = listNumberWidth(lineCount);
    const QString listed = ListLine(number, line, width);
    fuzzCheck(qsoNumber(listed, lineCount) == number, "number of a list line");
    const QString shaped = recordShaped(line);
    fuzzCheck(BuildLogLine(RecordFromListLine(ListLine(number, shaped, width))).size() ==
                  LogColumns::kLineLength,
              "record of a shaped line");
    fuzzCheck(BuildLogLine(RecordFromListLine(listed)).size() == LogColumns::kLineLength,
              "record width");
    searchResultLine(listed, lineCount);

    QByteArray adif;
    appendAdifRecord(adif, encodeCp1252(line));
    fuzzCheck(adif.endsWith(" <eor>"), "ADIF record end");
    adifDate(line.mid(LogColumns::kDate, 8));
    widenedDate(line.mid(LogColumns::kDate, 8));
    recordInstant(line);

    printedCastleLine(number, line);
    geo::miniMapFor(line.left(5));
    geo::locateProvince(line.left(2), {});
    checkSearchField(SearchBy::Date, line.left(8));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    fuzzCheck(encodeCp1252(decodeCp1252(bytes)) == bytes, "code page round trip");
    const QStringList lines = fuzzLines(data, size);
    const int count = static_cast<int>(lines.size());
    for (int i = 0; i < count && i < 64; ++i) {
        fuzzCheck(!lines[i].contains(u'\r') && !lines[i].contains(u'\n'), "line end kept");
        oneLine(lines[i], i + 1, count);
    }
    return 0;
}
