#include "entry_support.h"

#include "qsolistmodel.h"

void MainTest::TearDown() {
    closeTopLevels();
    delete main;
    ProgramTest::TearDown();
}

Main* MainTest::start() {
    main = new Main;
    main->setAttribute(Qt::WA_DeleteOnClose, false);
    main->show();
    QApplication::setActiveWindow(main);
    return main;
}

QString MainTest::text(const char* name) const {
    QWidget* widget = w(name);
    if (auto* e = qobject_cast<QLineEdit*>(widget))
        return e->text();
    if (auto* c = qobject_cast<QComboBox*>(widget))
        return c->currentText();
    if (auto* l = qobject_cast<QLabel*>(widget))
        return l->text();
    return {};
}

void MainTest::type(const char* name, const QString& value) {
    QWidget* widget = w(name);
    if (auto* c = qobject_cast<QComboBox*>(widget))
        widget = c->lineEdit();
    if (auto* e = qobject_cast<QLineEdit*>(widget))
        e->clear();
    QTest::keyClicks(widget, value);
}

void MainTest::enter(const char* name) {
    QWidget* widget = w(name);
    if (auto* c = qobject_cast<QComboBox*>(widget))
        widget = c->lineEdit();
    QTest::keyClick(widget, Qt::Key_Return);
}

void MainTest::typeEnter(const char* name, const QString& value) {
    type(name, value);
    enter(name);
}

void MainTest::doubleClickRow(int row) {
    auto* list = w<QListView>("Liste_QSO");
    const QRect r = list->visualRect(main->qsoModel()->index(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, r.center());
    QApplication::processEvents();
}

QWidget* MainTest::topLevel(const char* name) const {
    for (QWidget* t : QApplication::topLevelWidgets()) {
        const bool named = t->objectName() == QLatin1String(name) ||
                           QLatin1String(t->metaObject()->className()) == QLatin1String(name);
        if (named && t->isVisible())
            return t;
    }
    return nullptr;
}

void MainTest::closeTopLevels() {
    for (QWidget* t : QApplication::topLevelWidgets()) {
        if (t != main)
            t->close();
    }
    QApplication::processEvents();
}
