#pragma once
#include <QColor>
#include <QFont>

class QComboBox;
class QWidget;

namespace Colours {
inline const QColor kCurrent(0xC0, 0xFF, 0xC0); // the field to fill now
inline const QColor kPassed(0xFF, 0xFF, 0xC0);  // a field passed or waiting
inline const QColor kWorked(0x80, 0xFF, 0x80);  // a province or region worked
inline const QColor kWhite(0xFF, 0xFF, 0xFF);
} // namespace Colours

// Screen readers hear the program as ZELK_DCI, a window of type Qt::Dialog as a dialog, and a
// combo box that has an accessible name by that name rather than by its value. Called before the
// first window.
void installAccessibility();
// Gives a combo box its caption as its accessible name.
void nameByCaption(QComboBox* box, const QString& caption);

// A secondary window as a dialog of Main: announced as a dialog and kept in front of Main by the
// window manager, yet not owned by Main, so that closing Main alone leaves it open.
void makeDialogOfMain(QWidget* window);
// Escape closes a window that only shows something.
void closeOnEscape(QWidget* window);

// Left = (screen width - window width) / 2, top likewise, on the screen the window is on.
void centreOnScreen(QWidget* window);

// The background of an entry field, a box of a map, a button or a check box.
void setBackground(QWidget* widget, const QColor& colour);
QColor background(const QWidget* widget);
// The system window-background colour, the "not worked" colour of the maps.
QColor windowBackground();

// The fixed-pitch font of the lists, one column per character.
QFont fixedFont();
