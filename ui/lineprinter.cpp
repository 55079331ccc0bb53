#include "lineprinter.h"

#include "dialogs.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>

#include <cmath>

namespace {

QFont qtFont(const PrinterFont& f) {
    QFont font(f.name, f.pointSize, f.bold ? QFont::Bold : QFont::Normal);
    // A missing "Courier New" must still give one column per character.
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

// Switches the printer's font for one printing and gives it back, whatever happens between.
class FontSwitch {
public:
    explicit FontSwitch(const PrinterFont& font) : saved_(printerFont()) {
        PrinterFont& current = printerFont();
        current.name = font.name;
        current.bold = font.bold;
        current.pointSize = font.pointSize;
    }
    ~FontSwitch() {
        printerFont().bold = false;
        printerFont().name = saved_.name;
        printerFont().pointSize = saved_.pointSize;
    }
    FontSwitch(const FontSwitch&) = delete;
    FontSwitch& operator=(const FontSwitch&) = delete;

private:
    PrinterFont saved_;
};

} // namespace

PrinterFont& printerFont() {
    static PrinterFont font{QGuiApplication::font().family(),
                            std::max(1, QGuiApplication::font().pointSize()), false};
    return font;
}

int linesPerPage(int pageHeight, int lineHeight) {
    if (lineHeight <= 0)
        return 1;
    return std::max(1, pageHeight / lineHeight);
}

QList<QStringList> paginate(const QStringList& lines, int perPage) {
    QList<QStringList> pages;
    for (qsizetype start = 0; start < lines.size(); start += perPage)
        pages.append(lines.mid(start, perPage));
    return pages;
}

QList<QStringList> printLines(const QStringList& lines, const PrinterFont& font) {
    FontSwitch fontSwitch(font);
    QPrinter printer(QPrinter::HighResolution);
    if (!Dialogs::instance().choosePrinter(printer))
        return {};
    QPainter painter;
    if (!painter.begin(&printer)) {
        showMessage(QStringLiteral("Impossible d'imprimer sur cette imprimante"));
        return {};
    }
    painter.setFont(qtFont(printerFont()));
    const QFontMetricsF metrics(painter.font(), painter.device());
    const int lineHeight = int(std::ceil(metrics.lineSpacing()));
    const int pageHeight = painter.viewport().height();
    const QList<QStringList> pages = paginate(lines, linesPerPage(pageHeight, lineHeight));
    for (qsizetype p = 0; p < pages.size(); ++p) {
        if (p > 0)
            printer.newPage();
        qreal baseline = metrics.ascent();
        for (const QString& line : pages[p]) {
            painter.drawText(QPointF(0, baseline), line);
            baseline += lineHeight;
        }
    }
    painter.end();
    return pages;
}
