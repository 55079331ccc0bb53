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
    main->activateWindow();
    QApplication::setActiveWindow(main);
    QApplication::processEvents();
    return main;
}

void MainTest::retype(const QString& text) {
    Keyboard::press(Qt::Key_A, Qt::ControlModifier);
    Keyboard::press(Qt::Key_Backspace);
    Keyboard::type(text);
}

void MainTest::clickRow(int row) {
    auto* list = w<QTableView>("Liste_QSO");
    list->scrollTo(main->qsoModel()->index(row));
    const QRect r = list->visualRect(main->qsoModel()->index(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    QApplication::processEvents();
}

void MainTest::doubleClickRow(int row) {
    clickRow(row);
    auto* list = w<QTableView>("Liste_QSO");
    const QRect r = list->visualRect(main->qsoModel()->index(row));
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

void MainTest::typeNewQso(const QString& callsign, const QString& firstName,
                          const QString& reference) {
    typeEnter(callsign);
    retype(firstName);
    enter();
    typeEnter(reference);
    if (topLevel("Mini_Carte"))
        enter();
    enterThroughTo();
}

void MainTest::enterThroughTo(const char* last) {
    for (int guard = 0; guard < 13; ++guard) {
        const bool wasLast = focused() && focused()->objectName() == QLatin1String(last);
        enter();
        if (wasLast)
            return;
    }
    ADD_FAILURE() << "the chain never reached " << last;
}
