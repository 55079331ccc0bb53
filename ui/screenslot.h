#pragma once
#include "screen.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

// One screen of each kind at a time. A screen made only to hold the result of another (the
// region routine) is created hidden as a window owned by that other screen, so it goes with it.
template <class T> QPointer<T>& screenSlot() {
    static QPointer<T> screen;
    return screen;
}

// A window without owner may still be hidden when the program ends.
inline void deleteAtQuit(QWidget* screen) {
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, screen, &QObject::deleteLater);
}

// Opens a window at its own size, centred, in front, as a dialog of Main; Escape closes it unless
// the operator fills something in it.
inline void present(QWidget* screen, bool escapeCloses = true) {
    makeDialogOfMain(screen);
    if (escapeCloses)
        closeOnEscape(screen);
    screen->adjustSize();
    centreOnScreen(screen);
    screen->show();
    screen->activateWindow();
}

// A screen where the operator types what must not be lost to a stray Escape declares
// `static constexpr bool kKeepsOnEscape = true;`.
template <class T> constexpr bool keepsOnEscape() {
    if constexpr (requires { T::kKeepsOnEscape; })
        return T::kKeepsOnEscape;
    return false;
}

template <class T> T* existingScreen() {
    return screenSlot<T>().data();
}

// The screen, created hidden when missing; `owner` (may be null) then holds it.
template <class T> T* ensureScreen(QWidget* owner) {
    QPointer<T>& slot = screenSlot<T>();
    if (!slot) {
        slot = new T(owner);
        if (!owner)
            deleteAtQuit(slot.data());
        // Registered before its opening display, which may look for it.
        slot->opening();
    }
    return slot.data();
}

// The menu entry: shows the screen, centred, or brings the open one forward. A screen that was
// only held hidden opens as if new, with its opening selections and display.
template <class T> T* showScreen() {
    const bool held = existingScreen<T>() && !existingScreen<T>()->isVisible();
    T* screen = ensureScreen<T>(nullptr);
    if (held)
        screen->opening();
    if (screen->isVisible()) {
        screen->raise();
        screen->activateWindow();
        return screen;
    }
    if (screen->parentWidget()) {
        screen->setParent(nullptr, screen->windowFlags());
        deleteAtQuit(screen);
    }
    present(screen, !keepsOnEscape<T>());
    return screen;
}
