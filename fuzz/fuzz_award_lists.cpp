// A whole log: the award lists and scores, the reports, the searches, the QSL marking and the
// first-name list update.
#include "castlecount.h"
#include "codepage.h"
#include "contactedcastles.h"
#include "dcilist.h"
#include "districtcount.h"
#include "firstnamelist.h"
#include "fuzzinput.h"
#include "geocount.h"
#include "linetable.h"
#include "locatorcount.h"
#include "qsorecord.h"
#include "qsosearch.h"

#include <QDate>

namespace {

const QDate kDate(2026, 12, 5);

void awardLists(const QStringList& lines) {
    using namespace awards;
    QList<QByteArray> log;
    for (const QString& line : lines)
        log.append(encodeCp1252(line));
    for (const Shown shown : {Shown::Contacted, Shown::Confirmed}) {
        CastleListBuilder dciBuilder(Award::Dci, shown), dcloBuilder(Award::Dclo, shown);
        for (const QByteArray& line : log) {
            dciBuilder.add(line);
            dcloBuilder.add(line);
        }
        const ListView dci = dciBuilder.view();
        fuzzCheck(dci.count <= lines.size(), "DCI count");
        for (const QString& line : dci.lines)
            fuzzCheck(line.size() == 110, "DCI list line width");
        savedList(Award::Dci, QStringLiteral("IK1ABC"), shown, kDate, dci.lines);
        printedList(Award::Dci, QStringLiteral("IK1ABC"), shown, kDate, dci.lines);
        const ListView dclo = dcloBuilder.view();
        fuzzCheck(dclo.count <= dci.count, "DCLO count");
        printedList(Award::Dclo, QStringLiteral("IK1ABC"), shown, kDate, dclo.lines);
    }
    DciCounter dciCounter;
    DcloCounter dcloCounter;
    DcpcCounter dcpcCounter;
    DistrictMarks marks;
    for (const QByteArray& line : log) {
        dciCounter.add(line);
        dcloCounter.add(line);
        dcpcCounter.add(line);
        marks.add(line);
        const int district = districtOf(line);
        fuzzCheck(district >= -1 && district <= kDistrictCount, "district range");
    }
    const DciScore dci = dciCounter.score();
    fuzzCheck(dci.confirmed <= dci.contacted && dci.cuneo <= dci.contacted, "DCI score");
    const DcloScore dclo = dcloCounter.score();
    fuzzCheck(dclo.confirmed <= dclo.contacted, "DCLO score");
    const DcpcScore dcpc = dcpcCounter.score();
    fuzzCheck(dcpc.confirmed <= dcpc.contacted, "DCPC score");
    fuzzCheck(marks.confirmedCount() <= marks.contactedCount(), "IDCA count");
    fuzzCheck(districtListLines(marks).size() == kDistrictCount, "IDCA list");
    for (const WaisLog wais : {WaisLog::Dci, WaisLog::Dai}) {
        LocatorCollector score(kScoreKeyLength), list(kListKeyLength);
        for (const QByteArray& line : log) {
            score.add(line, wais);
            list.add(line, wais);
        }
        const SquareCount squares = countSquares(score.locTempo().sorted(), kScoreKeyLength);
        fuzzCheck(squares.confirmed <= squares.contacted, "WAIS count");
        const SquareCount listed = countSquares(list.locTempo().sorted(), kListKeyLength);
        fuzzCheck(listed.contacted == squares.contacted, "WAIS list and score squares");
        waisShownLines(listed);
    }
    for (const char* band : {"Toutes", "14 Mhz", "14 Mhz "}) {
        for (const auto rule : {geo::ProvinceScan::Rule::List, geo::ProvinceScan::Rule::Map,
                                geo::ProvinceScan::Rule::Regions}) {
            geo::ProvinceScan scan(rule, QString::fromLatin1(band), QStringLiteral("SSB"));
            for (const QString& line : lines)
                scan.add(encodeCp1252(line));
            geo::provinceListLines(scan.provinces());
            geo::regionListLines(scan.regions());
        }
    }
    QByteArray saved = savedCastlesHead(QStringLiteral("IK1ABC"), kDate);
    for (int n = 0; n < lines.size(); ++n)
        appendSavedCastleLine(saved, n + 1, encodeCp1252(lines[n]));
    printedContactedCastles(QStringLiteral("IK1ABC"), kDate, lines);
}

void searches(const QStringList& lines) {
    const LineTable log(lines);
    const QString typed = lines.isEmpty() ? QString() : lines.first().left(8);
    for (const SearchBy by : {SearchBy::Callsign, SearchBy::Date, SearchBy::Reference}) {
        const SearchOutcome found = searchQsos(log, by, typed);
        if (!found.results.isEmpty())
            fuzzCheck(resultRow(log, found.results.last()) >= 0, "a result finds its QSO");
    }
    for (const int row : unconfirmedRows(log, typed))
        fuzzCheck(row >= 0 && row < log.size(), "an unconfirmed QSO is a row of the log");
}

void rewrites(const QStringList& lines) {
    const LineTable log(lines);
    const int n = log.size();
    for (int i = 0; i < n; ++i) {
        const QByteArrayView line = log.bytes(i);
        const QByteArray marked = qslMarked(line);
        fuzzCheck(marked.at(qMin<qsizetype>(136, line.size())) == '*', "QSL marker in place");
        fuzzCheck(marked.first(qMin<qsizetype>(136, line.size())) ==
                      line.first(qMin<qsizetype>(136, line.size())),
                  "columns before the marker kept");
    }

    const QString callsign = lines.isEmpty() ? QString() : lines.first().left(12).trimmed();
    const QString key = FirstNameList::entryLine(callsign, {}).left(12);
    const QStringList updated = FirstNameList::updatedLines(lines, callsign, "MARIO");
    QStringList others, kept;
    for (const QString& l : lines)
        if (l.left(12) != key)
            others.append(l);
    for (const QString& l : updated)
        if (l.left(12) != key)
            kept.append(l);
    fuzzCheck(kept == others, "other first names kept");
    fuzzCheck(updated.contains(FirstNameList::entryLine(callsign, "MARIO")), "entry written");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QStringList lines = fuzzLines(data, size);
    awardLists(lines);
    searches(lines);
    rewrites(lines);
    return 0;
}
