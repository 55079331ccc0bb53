#pragma once
#include <QList>
#include <QString>
#include <QStringList>

class QPrinter;

// The font the printer prints in. A print set-up switches it and gives it back afterwards.
struct PrinterFont {
    QString name;
    int pointSize = 0;
    bool bold = false;
    bool operator==(const PrinterFont&) const = default;
};

// The printer's current font, held for the whole run.
PrinterFont& printerFont();

// The font of the printed lists and reports.
inline PrinterFont listFont() {
    return {QStringLiteral("Courier New"), 9, true};
}

// How many lines of `lineHeight` fit one above the other in `pageHeight`; at least one, so a
// page is never left empty.
int linesPerPage(int pageHeight, int lineHeight);

// The lines in pages: a new page starts whenever the next line would not fit.
QList<QStringList> paginate(const QStringList& lines, int perPage);

// Asks for a printer, then prints the lines one under the other in `font`, starting a new page
// whenever the next line would not fit. The printer's font is switched for the printing and
// given back afterwards. Returns the pages printed: none when the dialog is cancelled or the
// printer cannot start (which a message then says).
QList<QStringList> printLines(const QStringList& lines, const PrinterFont& font = listFont());
