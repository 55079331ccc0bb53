#pragma once
#include "screen.h"
#include "stationsettings.h"
#include "testsupport.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QPointer>
#include <QPushButton>
#include <QStringListModel>
#include <QTest>

// Geographic screens are top-level windows kept between calls; each test ends with none left.
class GeoScreenTest : public ScreenTest {
protected:
    static void discardClosed() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    static QString qso(const QString& reference, const QString& band = "14 Mhz",
                       const QString& mode = "SSB") {
        return logLine("I1ABC", reference, "05/12/26", "14:30", mode, band);
    }

    template <class T = QWidget> static T* child(QWidget* screen, const QString& name) {
        T* found = screen->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    static QStringList lines(QWidget* screen, const QString& listName) {
        auto* list = child<QListView>(screen, listName);
        return list ? static_cast<QStringListModel*>(list->model())->stringList() : QStringList();
    }

    static void choose(QWidget* screen, const QString& comboName, const QString& text) {
        auto* box = child<QComboBox>(screen, comboName);
        const int index = box->findText(text);
        box->setCurrentIndex(index);
        if (index < 0)
            box->setEditText(text);
    }

    static void press(QWidget* screen, const QString& buttonName = "Afficher") {
        Keyboard::clickInto(child<QPushButton>(screen, buttonName));
        Keyboard::pressButton();
    }

    static QString text(QWidget* screen, const QString& labelName) {
        return child<QLabel>(screen, labelName)->text();
    }

    // The names of the boxes painted as worked, in order.
    static QStringList worked(QWidget* screen, const QString& prefix, int count) {
        QStringList names;
        for (int i = 1; i <= count; ++i) {
            const QString name = prefix + QString::number(i);
            if (background(child<QWidget>(screen, name)) == Colours::kWorked)
                names.append(child<QLabel>(screen, name)->text());
            else
                EXPECT_EQ(background(child<QWidget>(screen, name)), windowBackground()) << i;
        }
        return names;
    }
};
