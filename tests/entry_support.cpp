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

void MainTest::clickRow(int row, bool twice) {
    auto* list = w<QTableView>("Liste_QSO");
    list->scrollTo(main->qsoModel()->index(row));
    const QPoint at = list->visualRect(main->qsoModel()->index(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    if (twice)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QApplication::processEvents();
}

QString MainTest::mode() const {
    QString out = text("Mode_Aff") + u' ';
    for (const char* name : {"Ind_A", "Ref_A", "Date_A", "Valide_A", "Annule_Saisie"})
        out += w(name)->isEnabled() ? u'+' : u'-';
    return out;
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

void MainTest::enterThroughTo() {
    for (int guard = 0; guard < 13; ++guard) {
        const bool wasLast = focused() && focused()->objectName() == QLatin1String("QSL_A");
        enter();
        if (wasLast)
            return;
    }
    ADD_FAILURE() << "the chain never reached the QSL box";
}
