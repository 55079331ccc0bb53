#pragma once
#include "screen.h"
#include "stationsettings.h"
#include "testsupport.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPointer>

inline QString qso(const QString& reference, const QString& band = "14 Mhz",
                   const QString& mode = "SSB") {
    return logLine("I1ABC", reference, "05/12/26", "14:30", mode, band);
}

// Geographic screens are top-level windows kept between calls; each test ends with none left.
class GeoScreenTest : public ScreenTest {
protected:
    // Chooses the text in the combo, or types it when it is none of its items, then displays.
    static void show(QWidget* screen, const QString& combo, const QString& choice) {
        auto* box = child<QComboBox>(screen, combo);
        box->setCurrentIndex(box->findText(choice));
        if (box->currentIndex() < 0)
            box->setEditText(choice);
        press(screen, "Afficher");
    }

    // The boxes shown as worked, by their text (or name), in order; the other boxes shown have
    // the window's colour.
    static QStringList worked(QWidget* screen, const QString& prefix) {
        QStringList names;
        for (int i = 1; QWidget* box = screen->findChild<QWidget*>(prefix + QString::number(i));
             ++i) {
            if (box->isHidden())
                continue;
            if (background(box) != Colours::kWorked)
                EXPECT_EQ(background(box), windowBackground()) << i;
            else if (auto* label = qobject_cast<QLabel*>(box))
                names.append(label->text());
            else
                names.append(box->objectName());
        }
        return names;
    }
};
