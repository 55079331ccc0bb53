#include "dialogs.h"

#include "programdirectory.h"

#include <QApplication>
#include <QFileDialog>
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

QString Dialogs::chooseFile(const QString& caption, const QString& filters) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), caption,
                                        ProgramDirectory::path(), filters);
}

Dialogs& Dialogs::instance() {
    static Dialogs real;
    return installed() ? *installed() : real;
}

void Dialogs::setInstance(Dialogs* dialogs) {
    installed() = dialogs;
}
