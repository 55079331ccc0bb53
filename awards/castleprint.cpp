#include "castleprint.h"

#include "dialogs.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

void printCastleList(const QStringList& lines) {
    QPrinter printer;
    if (!Dialogs::instance().choosePrinter(printer))
        return;
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setBold(true);
    font.setPointSize(9);
    painter.setFont(font);
    const QFontMetrics metrics(font, &printer);
    const int bottom = printer.pageLayout().paintRectPixels(printer.resolution()).height();
    int y = metrics.ascent();
    for (const QString& line : lines) {
        if (y + metrics.descent() > bottom) {
            printer.newPage();
            y = metrics.ascent();
        }
        painter.drawText(0, y, line);
        y += metrics.lineSpacing();
    }
    painter.end();
}
