#include "geolayout.h"
#include "map_layout.h"
#include "provincetable.h"
#include "testsupport.h"

#include <QImage>

namespace {

// Region number of a pixel of the index picture, 0 outside every region.
int regionAt(const QImage& index, QPoint p) {
    const QColor c = index.rect().contains(p) ? index.pixelColor(p) : QColor(Qt::white);
    const int r = c.red() / 12;
    const bool region = r >= 1 && r <= 20 && c.red() == r * 12 && c.green() == 255 - r * 12;
    return region && c.blue() == 100 ? r : 0;
}

bool overlapsRegion(const QImage& index, const QRect& box, int region) {
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (regionAt(index, {x, y}) == region)
                return true;
    return false;
}

} // namespace

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
