#include "codepage.h"
#include "geocount.h"
#include "testsupport.h"

#include <algorithm>

namespace {

QString qso(const QString& reference, const QString& band = "14 Mhz", const QString& mode = "SSB") {
    return logLine("I1ABC", reference, "05/12/26", "14:30", mode, band);
}

// The provinces (or regions) a rule finds in the log, as the windows feed it line by line.
geo::ProvinceScan scanned(geo::ProvinceScan::Rule rule, const QStringList& log,
                          const QString& band = "Toutes", const QString& mode = "SSB") {
    geo::ProvinceScan scan(rule, band, mode);
    for (const QString& line : log)
        scan.add(encodeCp1252(line));
    return scan;
}

} // namespace

TEST(GeoCount, ListMapAndRegionsOfALog) {
    using Rule = geo::ProvinceScan::Rule;
    const QStringList log = {qso("AQ001", "20m"), qso("RM001", ""), qso("MI001"),
                             qso("PA001", "14 Mhz", "CW")};
    struct Case {
        QStringList log;
        const char* band;
        const char* mode;
        QStringList provinces; // list lines, in table order
        int map;
        QStringList regions;
    };
    const Case cases[] = {
        {log,
         "Toutes",
         "SSB",
         {"    Province AQ  Aquila", "    Province RM  Rome", "    Province MI  Milan"},
         3,
         {"    Region Abruzzes", "    Region Latium", "    Region Lombardie"}},
        {log, "20m", "SSB", {"    Province AQ  Aquila"}, 1, {"    Region Abruzzes"}},
        {log, "", "SSB", {"    Province RM  Rome"}, 1, {"    Region Latium"}},
        {log, "14 Mhz", "CW", {"    Province PA  Palerme"}, 1, {"    Region Sicile"}},
        // The list and the map trim the choices; the region routine takes them as they are.
        {log, "14 Mhz ", "SSB", {"    Province MI  Milan"}, 1, {}},
        {log, "Toutes", "CW ", {"    Province PA  Palerme"}, 1, {}},
        {log, "Toutes", "cw", {}, 0, {}},
        // Monza and Fermo are mapped but not listed; lower case is mapped only.
        {{qso("MB001"), qso("FM002"), qso("aq001"), qso(" RM01")},
         "Toutes",
         "SSB",
         {},
         3,
         {"    Region Abruzzes", "    Region Lombardie", "    Region Marches"}},
        {{qso("TO001"), qso("AO001"), qso("TO002"), qso("AQ003"), qso("XX001"), qso(""), "",
          "short"},
         "Toutes",
         "SSB",
         {"    Province AQ  Aquila", "    Province TO  Turin", "    Province AO  Aoste"},
         3,
         {"    Region Abruzzes", "    Region Piemont", "    Region Vallee d aoste"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(geo::provinceListLines(scanned(Rule::List, c.log, c.band, c.mode).provinces()),
                  c.provinces)
            << c.band << c.mode;
        EXPECT_EQ(geo::countSet(scanned(Rule::Map, c.log, c.band, c.mode).provinces()), c.map)
            << c.band << c.mode;
        EXPECT_EQ(geo::regionListLines(scanned(Rule::Regions, c.log, c.band, c.mode).regions()),
                  c.regions)
            << c.band << c.mode;
    }
}

namespace {

// The bytes of a log line with some columns (0-based) replaced by other bytes.
QByteArray bytesWith(std::initializer_list<std::pair<int, QByteArray>> changes,
                     const QString& line = qso("AQ001")) {
    QByteArray bytes = encodeCp1252(line);
    for (const auto& [at, with] : changes)
        bytes.replace(at, with.size(), with);
    return bytes;
}

struct ByteCase {
    QByteArray line;
    const char* band;
    const char* mode;
    int list; // the province number each rule finds, 0 for none
    int map;
    int regions; // region number
};

} // namespace

TEST(GeoCount, BytesOfTheLogCountAsTheirDecodedText) {
    constexpr int kCode = 34, kMode = 55, kBand = 59;
    const ByteCase cases[] = {
        {bytesWith({}), "Toutes", "SSB", 1, 1, 1},
        // A no-break space or a tab is trimmed like a blank.
        {bytesWith({{kBand, "14 Mhz\xa0"}}), "14 Mhz", "SSB", 1, 1, 1},
        {bytesWith({{kMode, "\tCW"}}), "Toutes", "CW", 1, 1, 1},
        {bytesWith({{kCode, "\xa0"
                            "A"}}),
         "Toutes", "SSB", 0, 0, 0},
        // Lower case: only the list takes the code as stored.
        {bytesWith({{kCode, "rm"}}), "Toutes", "SSB", 0, 33, 7},
        {bytesWith({{kCode, "Rm"}}), "Toutes", "SSB", 0, 33, 7},
        // "ß" upper-cases to "SS", Sassari; "à" to "À", which is no code.
        {bytesWith({{kCode, "\xdf "}}), "Toutes", "SSB", 0, 77, 15},
        {bytesWith({{kCode, " \xdf"}}), "Toutes", "SSB", 0, 77, 15},
        {bytesWith({{kCode, "\xe0q"}}), "Toutes", "SSB", 0, 0, 0},
        // Bytes 0x80-0x9F are characters like any other, typed into the boxes as they are.
        {bytesWith({{kMode, "\x80"
                            "CW"}}),
         "Toutes",
         "\xe2\x82\xac"
         "CW",
         1, 1, 1},
        {bytesWith({{kBand, "14\x81Mhz"}}), "14\xc2\x81Mhz", "SSB", 1, 1, 1},
        // A question mark stands for no character of the boxes.
        {bytesWith({{kMode, "?  "}}), "Toutes", "\xe2\x9c\x93", 0, 0, 0},
        // Short and empty lines.
        {encodeCp1252(qso("AQ001").left(58)), "Toutes", "SSB", 1, 1, 1},
        {encodeCp1252(qso("AQ001").left(58)), "", "SSB", 1, 1, 1},
        {"", "Toutes", "", 0, 0, 0},
        {encodeCp1252(qso("AQ001").left(35)), "Toutes", "", 0, 0, 0},
    };
    using Rule = geo::ProvinceScan::Rule;
    for (const ByteCase& c : cases) {
        const QString band = QString::fromUtf8(c.band), mode = QString::fromUtf8(c.mode);
        const auto found = [&](Rule rule) {
            geo::ProvinceScan scan(rule, band, mode);
            scan.add(c.line);
            const auto& p = scan.provinces();
            const auto at = std::find(p.begin(), p.end(), true);
            return at == p.end() ? 0 : int(at - p.begin()) + 1;
        };
        const auto region = [&] {
            geo::ProvinceScan scan(Rule::Regions, band, mode);
            scan.add(c.line);
            const geo::RegionFlags r = scan.regions();
            const auto at = std::find(r.begin(), r.end(), true);
            return at == r.end() ? 0 : int(at - r.begin()) + 1;
        };
        EXPECT_EQ(found(Rule::List), c.list) << c.line.toStdString();
        EXPECT_EQ(found(Rule::Map), c.map) << c.line.toStdString();
        EXPECT_EQ(region(), c.regions) << c.line.toStdString();
    }
}

TEST(GeoCount, LocatorFindsTheCodeInTheBytes) {
    constexpr int kCode = 34;
    const std::tuple<QByteArray, QString, bool> cases[] = {
        {bytesWith({}), "AQ", true},
        {bytesWith({{kCode, "aq"}}), "AQ", true},
        {bytesWith({{kCode, "aq"}}), "aq", false},
        {bytesWith({{kCode, "\xdf "}}), "SS", true},
        {bytesWith({{kCode, "\xe0q"}}), QString::fromUtf8("ÀQ"), true},
        {bytesWith({{kCode, "A\xa0"}}), "A", true},
        {bytesWith({{kCode, " A"}}), "A ", false},
        {"", "", true},
        {"short", "", true},
        {"short", "AQ", false},
    };
    for (const auto& [line, code, found] : cases)
        EXPECT_EQ(geo::lineHasCode(line, code), found)
            << line.toStdString() << " " << code.toStdString();
}
