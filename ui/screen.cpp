#include "screen.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void centreOnScreen(QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QSize size = window->frameGeometry().size();
    // A window larger than the screen keeps its title bar and left edge on it.
    window->move(area.x() + qMax(0, (area.width() - size.width()) / 2),
                 area.y() + qMax(0, (area.height() - size.height()) / 2));
}

void setBackground(QWidget* widget, const QColor& colour) {
    QPalette p = widget->palette();
    p.setColor(QPalette::Base, colour);
    p.setColor(QPalette::Window, colour);
    p.setColor(QPalette::Button, colour);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

QColor background(const QWidget* widget) {
    return widget->palette().color(QPalette::Base);
}

QColor windowBackground() {
    return QApplication::palette().color(QPalette::Window);
}

QFont fixedFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setFixedPitch(true);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}
