#include "geolayout.h"

#include "map_layout.h"

namespace geo {

namespace {

constexpr QSize kProvinceBox(375, 285);
constexpr QSize kMiniDot(135, 135);

struct RegionBox {
    const char16_t* text;
    int left, top, width, height;
};

constexpr RegionBox kRegionBoxes[20] = {
    {u"Abruzzes", 4680, 4680, 855, 240},        {u"Basilicate", 6480, 6360, 855, 240},
    {u"Calabre", 6840, 7560, 735, 240},         {u"Campanie", 5280, 5880, 975, 240},
    {u"Emilie Romagne", 2400, 2400, 1455, 240}, {u" Frioul Venetie Julienne", 3840, 840, 2055, 300},
    {u" Latium", 4080, 5160, 735, 240},         {u"Liguria", 1320, 2640, 735, 240},
    {u" Lombardie", 1800, 1440, 1095, 240},     {u"Marches", 4320, 3600, 855, 240},
    {u" Molise", 5280, 5160, 735, 240},         {u"Ombrie", 3840, 4200, 735, 240},
    {u" Piemont", 600, 2040, 855, 240},         {u" Pouilles", 6720, 5760, 855, 240},
    {u"Sardaigne", 1200, 6240, 975, 240},       {u"Sicile", 5160, 9120, 615, 240},
    {u"Toscane", 2880, 3480, 855, 240},         {u"Trentin Haut Adige", 2400, 480, 1695, 240},
    {u"Vénétie", 3120, 1560, 855, 240},         {u"Val d'Aoste", 240, 1200, 1095, 240},
};

int pixels(int twips) {
    return qRound(double(twips) / kTwipsPerPixel);
}

} // namespace

QRect twipsToPixels(const QRect& twips) {
    return QRect(pixels(twips.left()), pixels(twips.top()), pixels(twips.width()),
                 pixels(twips.height()));
}

QRect provinceBoxRect(int number) {
    return twipsToPixels(QRect(kProvinceBoxes[number - 1], kProvinceBox));
}

QRect locatorBoxRect(int number) {
    QPoint twips = kProvinceBoxes[number - 1];
    switch (number) {
    case 66: // TO
        twips = QPoint(480, 2040);
        break;
    case 101: // BZ
        twips = QPoint(3360, 480);
        break;
    case 102: // TN
        twips = QPoint(3000, 840);
        break;
    }
    return twipsToPixels(QRect(twips, kProvinceBox));
}

QRect regionBoxRect(int region) {
    const RegionBox& b = kRegionBoxes[region - 1];
    return twipsToPixels(QRect(b.left, b.top, b.width, b.height));
}

QString regionBoxText(int region) {
    return QString::fromUtf16(kRegionBoxes[region - 1].text);
}

QRect miniDotRect(int number) {
    return twipsToPixels(QRect(kMiniMapDots[number - 1], kMiniDot));
}

} // namespace geo
