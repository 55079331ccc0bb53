#pragma once
#include "main.h"
#include "screen.h"
#include "testsupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>

#include <memory>

// Drives Main offscreen with the keyboard and the mouse.
class MainTest : public ProgramTest {
protected:
    void TearDown() override;

    Main* start();
    template <typename T = QWidget> T* w(const char* name) const {
        T* found = main->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QLineEdit* edit(const char* name) const { return w<QLineEdit>(name); }
    QString text(const char* name) const;
    // Types into a field (a combo's line edit for the combos) as the keyboard would.
    void type(const char* name, const QString& text);
    void enter(const char* name);
    void typeEnter(const char* name, const QString& value);
    void click(const char* name) { QTest::mouseClick(w<QPushButton>(name), Qt::LeftButton); }
    void doubleClickRow(int row);
    QWidget* focused() const { return main->focusWidget(); }
    QWidget* topLevel(const char* name) const;
    void closeTopLevels();

    QStringList rows() const { return main->listLines(); }

    Main* main = nullptr;
};
