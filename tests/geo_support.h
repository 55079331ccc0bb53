#pragma once
#include "screen.h"
#include "stationsettings.h"
#include "testsupport.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPointer>

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

    // Chooses the text in the combo, or types it when it is none of its items, then displays.
    static void show(QWidget* screen, const QString& combo, const QString& choice) {
        auto* box = child<QComboBox>(screen, combo);
        box->setCurrentIndex(box->findText(choice));
        if (box->currentIndex() < 0)
            box->setEditText(choice);
        press(screen, "Afficher");
    }

    // The texts of the boxes painted as worked, in order; the others have the window's colour.
    static QStringList worked(QWidget* screen, const QString& prefix, int count) {
        QStringList names;
        for (int i = 1; i <= count; ++i) {
            auto* box = child<QLabel>(screen, prefix + QString::number(i));
            if (background(box) == Colours::kWorked)
                names.append(box->text());
            else
                EXPECT_EQ(background(box), windowBackground()) << i;
        }
        return names;
    }
};
