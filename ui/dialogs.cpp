#include "dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace {

Dialogs*& installed() {
    static Dialogs* dialogs = nullptr;
    return dialogs;
}

} // namespace

void Dialogs::information(const QString& text) {
    QMessageBox::information(QApplication::activeWindow(), kTitle, text);
}

bool Dialogs::question(const QString& text) {
    return QMessageBox::question(QApplication::activeWindow(), kTitle, text,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool Dialogs::choosePrinter(QPrinter& printer) {
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

Dialogs& Dialogs::instance() {
    static Dialogs real;
    return installed() ? *installed() : real;
}

void Dialogs::setInstance(Dialogs* dialogs) {
    installed() = dialogs;
}
