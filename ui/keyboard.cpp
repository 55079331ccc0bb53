#include "keyboard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace {

class EnterPressesButtons : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* button = qobject_cast<QPushButton*>(watched);
        if (!button || !button->isEnabled())
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        button->click();
        return true;
    }
};

} // namespace

void installEnterPressesButtons(QApplication& app) {
    app.installEventFilter(new EnterPressesButtons(&app));
}
