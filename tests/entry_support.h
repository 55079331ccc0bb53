#pragma once
#include "main.h"
#include "screen.h"
#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTableView>
#include <QTest>

// Drives Main offscreen as a person does: keys go where the focus is, a click gives the focus.
class MainTest : public ProgramTest {
protected:
    void TearDown() override;

    Main* start();
    // Main on station IK1ABC, whose log has these lines.
    Main* start(const QStringList& logLines) {
        setStation("IK1ABC", logLines);
        return start();
    }
    template <typename T = QWidget> T* w(const char* name) const {
        return child<T>(main, QString::fromLatin1(name));
    }
    QString text(const char* name) const { return ProgramTest::text(main, name); }
    // Triggers the named entry of Main's menus.
    void trigger(const char* action) const { w<QAction>(action)->trigger(); }

    // A click into the field.
    void focusOn(const char* name) { Keyboard::clickInto(w(name)); }
    static void enter() { Keyboard::enter(); }
    static void typeEnter(const QString& text) { Keyboard::typeEnter(text); }
    // Selects the focused field's text and types over it.
    static void retype(const QString& text);
    // A click on a field, the text typed over and Enter.
    void fill(const char* name, const QString& text) {
        focusOn(name);
        retype(text);
        enter();
    }
    void click(const char* name) { QTest::mouseClick(w<QPushButton>(name), Qt::LeftButton); }
    void clickRow(int row, bool twice = false);
    void doubleClickRow(int row) { clickRow(row, true); }
    QWidget* focused() const { return QApplication::focusWidget(); }
    void closeTopLevels();

    // From the callsign field to the focused save button, in the New mode: the date, time, mode
    // and band as shown; Enter on the mini map when one opens.
    void typeNewQso(const QString& callsign, const QString& firstName, const QString& reference);
    // Enter on each field from the focused one to the QSL box, which gives the save button the
    // focus.
    void enterThroughTo();

    // The mode shown, then whether Ind_A, Ref_A, Date_A, Valide_A and Annule_Saisie take input:
    // "Saisie QSO +--" + "-+" for a new QSO with the last one selected for a delete.
    QString mode() const;
    QStringList rows() const { return main->listLines(); }
    QByteArray log() const { return readBytes("IK1ABC_DCI.log"); }

    Main* main = nullptr;
};
