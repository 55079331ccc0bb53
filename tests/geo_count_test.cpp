#include "codepage.h"
#include "geo_support.h"
#include "geocount.h"
#include "geolayout.h"
#include "map_layout.h"
#include "provincetable.h"

#include <QImage>

#include <algorithm>

namespace {

using Rule = geo::ProvinceScan::Rule;

// The bytes of a log line of AQ001 with some columns (0-based) replaced by other bytes.
QByteArray bytesWith(int at, const QByteArray& with) {
    return encodeCp1252(qso("AQ001")).replace(at, with.size(), with);
}

template <std::size_t N> int first(const std::array<bool, N>& flags) {
    const auto at = std::find(flags.begin(), flags.end(), true);
    return at == flags.end() ? 0 : int(at - flags.begin()) + 1;
}

// Whether the box touches the region on the index picture, which paints region r in the colour
// (12 r, 255 - 12 r, 100).
bool overlapsRegion(const QImage& index, const QRect& box, int region) {
    const QRgb colour = qRgb(12 * region, 255 - 12 * region, 100);
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (index.rect().contains(x, y) && QColor(index.pixel(x, y)).rgb() == colour)
                return true;
    return false;
}

} // namespace

TEST(GeoCount, BytesOfTheLogCountAsTheirDecodedText) {
    constexpr int kCode = 34, kMode = 55, kBand = 59;
    const struct {
        QByteArray line;
        const char* band;
        const char* mode;
        int list, map, region; // the province and region numbers found, 0 for none
    } cases[] = {
        // A no-break space or a tab is trimmed like a blank.
        {bytesWith(kBand, "14 Mhz\xa0"), "14 Mhz", "SSB", 1, 1, 1},
        {bytesWith(kMode, "\tCW"), "Toutes", "CW", 1, 1, 1},
        // Lower case: only the list takes the code as stored. "ß" upper-cases to "SS", Sassari.
        {bytesWith(kCode, "Rm"), "Toutes", "SSB", 0, 33, 7},
        {bytesWith(kCode, " \xdf"), "Toutes", "SSB", 0, 77, 15},
        // Bytes 0x80-0x9F (the euro sign, \200) are characters like any other; "?" stands for
        // no character.
        {bytesWith(kMode, "\200CW"), "Toutes", "€CW", 1, 1, 1},
        {bytesWith(kMode, "?  "), "Toutes", "✓", 0, 0, 0},
        {encodeCp1252(qso("AQ001").left(58)), "", "SSB", 1, 1, 1},
        {encodeCp1252(qso("AQ001").left(35)), "Toutes", "", 0, 0, 0},
    };
    for (const auto& c : cases) {
        const QString band = QString::fromUtf8(c.band), mode = QString::fromUtf8(c.mode);
        geo::ProvinceScan list(Rule::List, band, mode), map(Rule::Map, band, mode),
            regions(Rule::Regions, band, mode);
        for (geo::ProvinceScan* scan : {&list, &map, &regions})
            scan->add(c.line);
        EXPECT_EQ(
            QList<int>({first(list.provinces()), first(map.provinces()), first(regions.regions())}),
            QList<int>({c.list, c.map, c.region}))
            << c.line.toStdString();
    }
}

TEST(GeoCount, ChoicesAndTheLocatorsCodes) {
    EXPECT_EQ(geo::bandChoices().mid(0, 2), (QStringList{"Toutes", "1.8 Mhz"}));
    for (const auto& [saved, choice] : {std::pair{-1, 0}, {0, 1}, {11, 12}, {12, 0}})
        EXPECT_EQ(geo::savedBandChoice(saved), choice) << saved;
    const std::tuple<QByteArray, QString, bool> cases[] = {
        {bytesWith(34, "aq"), "AQ", true},
        {bytesWith(34, "\xdf "), "SS", true},
        {"short", "AQ", false},
    };
    for (const auto& [line, code, found] : cases)
        EXPECT_EQ(geo::lineHasCode(line, code), found) << line.toStdString() << code.toStdString();
}

TEST(GeoLayout, EveryBoxAndDotLiesOnItsRegion) {
    const QImage index(QStringLiteral(ZELK_TEST_DATA "/regions_index.png"));
    ASSERT_EQ(index.size(), geo::kMapSize);
    const QSize dot(9, 9);
    for (int n = 1; n <= ProvinceTable::kCount; ++n) {
        const std::string code = ProvinceTable::code(n).toStdString();
        const int region = ProvinceTable::region(n);
        EXPECT_TRUE(overlapsRegion(index, geo::provinceBoxRect(n), region)) << "box " << code;
        EXPECT_TRUE(overlapsRegion(index, geo::locatorBoxRect(n), region)) << "locator " << code;
        // The mini map is half the size of the region picture.
        EXPECT_TRUE(
            overlapsRegion(index, QRect(geo::miniDotRect(n).topLeft() * 2, dot * 2), region))
            << "dot " << code;
    }
    for (int r = 1; r <= RegionTable::kCount; ++r)
        EXPECT_TRUE(QRect(QPoint(), geo::kMapSize).contains(geo::regionBoxRect(r))) << r;
}
