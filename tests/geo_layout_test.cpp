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

struct Given {
    int number;
    QPoint twips;
};
const std::vector<Given> kBoxes = {{1, {4680, 4440}},  {15, {5400, 6000}}, {33, {4080, 5040}},
                                   {46, {1800, 1680}}, {66, {480, 1920}},  {72, {8040, 6480}},
                                   {74, {1560, 7440}}, {87, {4560, 8640}}, {101, {3240, 600}},
                                   {110, {480, 1200}}};
const std::vector<Given> kLocatorBoxes = {
    {66, {480, 2040}}, {101, {3360, 480}}, {102, {3000, 840}}};
const std::vector<Given> kDots = {{1, {2400, 2280}}, {15, {2760, 3000}}, {33, {2040, 2520}},
                                  {46, {960, 840}},  {66, {240, 960}},   {72, {4080, 3240}},
                                  {74, {840, 3720}}, {87, {2280, 4320}}, {101, {1680, 240}},
                                  {110, {360, 600}}};

bool isGiven(const std::vector<Given>& rows, int number) {
    return std::any_of(rows.begin(), rows.end(),
                       [&](const Given& g) { return g.number == number; });
}

class GeoLayout : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(index.size(), geo::kMapSize); }
    const QImage index = QImage(QStringLiteral(ZELK_TEST_DATA "/regions_index.png"));
};

} // namespace

TEST_F(GeoLayout, GivenRowsStandWhereTheyAreGivenAndOverlapTheirRegion) {
    for (const Given& g : kBoxes) {
        EXPECT_EQ(geo::kProvinceBoxes[g.number - 1], g.twips) << g.number;
        EXPECT_EQ(geo::provinceBoxRect(g.number), QRect(g.twips / 15, QSize(25, 19)));
        EXPECT_TRUE(
            overlapsRegion(index, geo::provinceBoxRect(g.number), ProvinceTable::region(g.number)))
            << g.number;
    }
    for (const Given& g : kLocatorBoxes) {
        EXPECT_EQ(geo::locatorBoxRect(g.number), QRect(g.twips / 15, QSize(25, 19)));
        EXPECT_TRUE(
            overlapsRegion(index, geo::locatorBoxRect(g.number), ProvinceTable::region(g.number)))
            << g.number;
    }
    for (const Given& g : kDots) {
        EXPECT_EQ(geo::kMiniMapDots[g.number - 1], g.twips) << g.number;
        const QRect dot = geo::miniDotRect(g.number);
        EXPECT_EQ(dot, QRect(g.twips / 15, QSize(9, 9)));
        EXPECT_TRUE(overlapsRegion(index, QRect(dot.topLeft() * 2, dot.size() * 2),
                                   ProvinceTable::region(g.number)))
            << g.number;
    }
}

TEST_F(GeoLayout, DerivedCentresLieOnTheirRegion) {
    for (int n = 1; n <= ProvinceTable::kCount; ++n) {
        const std::string code = ProvinceTable::code(n).toStdString();
        const QPoint box = geo::kProvinceBoxes[n - 1];
        if (!isGiven(kBoxes, n)) {
            const QPoint centre(int((box.x() + 187.5) / 15), int((box.y() + 142.5) / 15));
            EXPECT_EQ(regionAt(index, centre), ProvinceTable::region(n)) << "box " << code;
        }
        const QPoint dot = geo::kMiniMapDots[n - 1];
        if (!isGiven(kDots, n)) {
            const QPoint centre(int((dot.x() + 67.5) / 15 * 2), int((dot.y() + 67.5) / 15 * 2));
            EXPECT_EQ(regionAt(index, centre), ProvinceTable::region(n)) << "dot " << code;
        }
        if (!isGiven(kLocatorBoxes, n)) {
            EXPECT_EQ(geo::locatorBoxRect(n), geo::provinceBoxRect(n)) << code;
        }
    }
}

TEST_F(GeoLayout, RegionBoxesLieOnTheMap) {
    EXPECT_EQ(geo::regionBoxRect(6), QRect(256, 56, 137, 20));
    EXPECT_EQ(geo::regionBoxText(6), " Frioul Venetie Julienne");
    for (int r = 1; r <= RegionTable::kCount; ++r)
        EXPECT_TRUE(QRect(QPoint(), geo::kMapSize).contains(geo::regionBoxRect(r))) << r;
}

namespace {

// Where a box's code is drawn: a block a little larger than two capitals in Arial 8.25 pt, so
// that a wider stand-in font is read safely too, centred in the box.
QRect codeArea(const QRect& box) {
    const QSize text(19, 11);
    return QRect(box.topLeft() +
                     QPoint((box.width() - text.width()) / 2, (box.height() - text.height()) / 2),
                 text);
}

// Share of the code of box `i` that the other boxes cover, whatever their painting order.
double codeCovered(const std::vector<QRect>& boxes, size_t i) {
    const QRect area = codeArea(boxes[i]);
    int covered = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            for (size_t j = 0; j < boxes.size(); ++j)
                if (j != i && boxes[j].contains(x, y)) {
                    ++covered;
                    break;
                }
    return double(covered) / (area.width() * area.height());
}

} // namespace

TEST(GeoLayoutCover, CoveredShareOfACodeIsMeasuredOverEveryOtherBox) {
    const QRect box(100, 100, 25, 19);
    struct Case {
        const char* what;
        std::vector<QRect> others;
        double covered;
    };
    const std::vector<Case> cases = {
        {"alone", {}, 0.0},
        {"on the same spot", {box}, 1.0},
        {"touching the frame only", {box.translated(23, 0), box.translated(0, -15)}, 0.0},
        {"over the right half", {box.translated(13, 0)}, 9.0 / 19},
        {"over the two bottom rows", {box.translated(0, 13)}, 2.0 / 11},
        {"two overlapping the same corner",
         {box.translated(17, 10), box.translated(16, 11)},
         (25.0 + 24.0 - 20.0) / (19 * 11)},
    };
    for (const Case& c : cases) {
        std::vector<QRect> boxes = {box};
        boxes.insert(boxes.end(), c.others.begin(), c.others.end());
        EXPECT_DOUBLE_EQ(codeCovered(boxes, 0), c.covered) << c.what;
    }
}

TEST(GeoLayoutCover, NoBoxHidesMoreThanFifteenPercentOfAnotherCode) {
    std::vector<QRect> boxes;
    for (int n = 1; n <= ProvinceTable::kCount; ++n)
        boxes.push_back(geo::provinceBoxRect(n));
    for (size_t i = 0; i < boxes.size(); ++i)
        EXPECT_LE(codeCovered(boxes, i), 0.15) << ProvinceTable::code(int(i) + 1).toStdString();
}
