#include "idcawaiswidgets.h"

#include "screen.h"

#include <QFontMetrics>
#include <QLabel>
#include <QListView>
#include <QStringListModel>

namespace awards {

void setUpWindow(QWidget* window, const QString& title) {
    window->setWindowFlag(Qt::Window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(title);
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QListView* makeLineList(QWidget* parent, const QString& name, QStringListModel* model,
                        int columns) {
    auto* list = new QListView(parent);
    list->setObjectName(name);
    list->setModel(model);
    list->setUniformItemSizes(true);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setFont(fixedFont());
    const QFontMetrics metrics(list->font());
    list->setMinimumSize(metrics.horizontalAdvance(QString(columns + 4, u'M')),
                         metrics.height() * 24);
    return list;
}

} // namespace awards
