#pragma once
#include <QRect>
#include <QString>

// Where the boxes and dots lie on the map pictures, in pixels of the pictures.
namespace geo {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr QSize kMapSize(580, 685);
inline constexpr QSize kMiniMapSize(290, 343);

QRect twipsToPixels(const QRect& twips);

// Province box of the map of Italy, by province number.
QRect provinceBoxRect(int number);
// Province box of the locator: the map's, but for TO, BZ and TN.
QRect locatorBoxRect(int number);
// Region box of the activity map, by region number, and its text.
QRect regionBoxRect(int region);
QString regionBoxText(int region);
// Province dot of the mini map.
QRect miniDotRect(int number);

} // namespace geo
