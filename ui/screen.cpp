#include "screen.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QKeySequence>
#include <QScreen>
#include <QShortcut>
#include <QWidget>
#include <QWindow>

namespace {

// The plain QWidget of a screen: a dialog once it is a window of that type.
class ScreenAccessible : public QAccessibleWidget {
public:
    explicit ScreenAccessible(QWidget* widget) : QAccessibleWidget(widget) {}
    QAccessible::Role role() const override {
        const bool dialog = widget()->isWindow() && widget()->windowType() == Qt::Dialog;
        return dialog ? QAccessible::Dialog : QAccessible::Client;
    }
};

// Qt names a combo box by its value on this platform; its caption is what the operator needs.
class NamedComboAccessible : public QAccessibleWidget {
public:
    explicit NamedComboAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}
    QString text(QAccessible::Text t) const override {
        auto* box = static_cast<QComboBox*>(widget());
        if (t == QAccessible::Name)
            return box->accessibleName();
        if (t == QAccessible::Value)
            return box->currentText();
        return QAccessibleWidget::text(t);
    }
};

// The program is known by the name of its desktop entry, not by its settings name "DCI".
class ProgramAccessible : public QAccessibleApplication {
public:
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? QStringLiteral("ZELK_DCI")
                                      : QAccessibleApplication::text(t);
    }
};

QAccessibleInterface* accessibleFactory(const QString& className, QObject* object) {
    if (object && object == qApp && className == QLatin1String("QApplication"))
        return new ProgramAccessible;
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("QWidget"))
        return new ScreenAccessible(widget);
    if (className == QLatin1String("QComboBox") && !widget->accessibleName().isEmpty())
        return new NamedComboAccessible(static_cast<QComboBox*>(widget));
    return nullptr;
}

} // namespace

void installAccessibility() {
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(accessibleFactory);
    installed = true;
}

void nameByCaption(QComboBox* box, const QString& caption) {
    installAccessibility();
    box->setAccessibleName(caption);
    // An interface made earlier, when the box was filled, would keep naming it by its value.
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(box);
        made && !dynamic_cast<NamedComboAccessible*>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void makeDialogOfMain(QWidget* window) {
    installAccessibility();
    if (window->windowType() != Qt::Dialog)
        window->setWindowFlags((window->windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);
    QWidget* main = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top != window && top->objectName() == QLatin1String("Main"))
            main = top;
    if (!main || window->parentWidget())
        return;
    window->winId();
    main->winId();
    window->windowHandle()->setTransientParent(main->windowHandle());
}

void closeOnEscape(QWidget* window) {
    // A window with nothing to focus takes the focus itself, so that its keys reach it.
    if (window->focusPolicy() == Qt::NoFocus)
        window->setFocusPolicy(Qt::ClickFocus);
    const QString name = QStringLiteral("closeOnEscape");
    if (window->findChild<QShortcut*>(name, Qt::FindDirectChildrenOnly))
        return;
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    shortcut->setObjectName(name);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, window, &QWidget::close);
}

void centreOnScreen(QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QSize size = window->frameGeometry().size();
    // A window larger than the screen keeps its title bar and left edge on it.
    window->move(area.x() + qMax(0, (area.width() - size.width()) / 2),
                 area.y() + qMax(0, (area.height() - size.height()) / 2));
}

void setBackground(QWidget* widget, const QColor& colour) {
    QPalette p = widget->palette();
    p.setColor(QPalette::Base, colour);
    p.setColor(QPalette::Window, colour);
    p.setColor(QPalette::Button, colour);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

QColor background(const QWidget* widget) {
    return widget->palette().color(QPalette::Base);
}

QColor windowBackground() {
    return QApplication::palette().color(QPalette::Window);
}

QFont fixedFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setFixedPitch(true);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}
