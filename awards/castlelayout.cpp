#include "castlelayout.h"

#include "screen.h"

#include <QFontMetrics>
#include <QLabel>
#include <QListView>
#include <QScrollBar>
#include <QStringListModel>

namespace awards {

void setUpWindow(QWidget* screen, const QString& className, const QString& caption) {
    screen->setObjectName(className);
    screen->setWindowFlag(Qt::Window);
    screen->setAttribute(Qt::WA_DeleteOnClose);
    screen->setWindowTitle(caption);
}

QLabel* addLabel(QWidget* parent, const QString& name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QListView* makeTextList(QWidget* parent, const QString& name, QStringListModel* model, int columns,
                        int rows) {
    auto* list = new QListView(parent);
    list->setObjectName(name);
    list->setModel(model);
    list->setUniformItemSizes(true);
    list->setFont(fixedFont());
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    const QFontMetrics metrics(list->font());
    const int frame = 2 * list->frameWidth();
    // Within a 1366 x 740 screen whatever the font; the scroll bars show the rest.
    list->setMinimumSize(qMin(metrics.horizontalAdvance(QString(columns, u'M')) + frame +
                                  list->verticalScrollBar()->sizeHint().width(),
                              1200),
                         qMin(metrics.height() * rows + frame, 420));
    return list;
}

QStringList listedLines(const QListView* list) {
    return static_cast<const QStringListModel*>(list->model())->stringList();
}

} // namespace awards
