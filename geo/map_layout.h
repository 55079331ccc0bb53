#pragma once
#include <QPoint>
// Positions over the map pictures, in twips (1 pixel = 15 twips).
namespace geo {
// Top-left corner of each province box (375 x 285 twips) on the 580 x 685 map, by province number - 1.
extern const QPoint kProvinceBoxes[110];
// Top-left corner of each province dot (135 x 135 twips) on the 290 x 343 map, by province number - 1.
extern const QPoint kMiniMapDots[110];
}
