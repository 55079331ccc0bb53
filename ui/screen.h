#pragma once
#include <QColor>
#include <QFont>

class QWidget;

namespace Colours {
inline const QColor kCurrent(0xC0, 0xFF, 0xC0); // the field to fill now
inline const QColor kPassed(0xFF, 0xFF, 0xC0);  // a field passed or waiting
inline const QColor kWorked(0x80, 0xFF, 0x80);  // a province or region worked
inline const QColor kWhite(0xFF, 0xFF, 0xFF);
} // namespace Colours

// Left = (screen width - window width) / 2, top likewise, on the screen the window is on.
void centreOnScreen(QWidget* window);

// The background of an entry field, a box of a map, a button or a check box.
void setBackground(QWidget* widget, const QColor& colour);
QColor background(const QWidget* widget);
// The system window-background colour, the "not worked" colour of the maps.
QColor windowBackground();

// The fixed-pitch font of the lists, one column per character.
QFont fixedFont();
