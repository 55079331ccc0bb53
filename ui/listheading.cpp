#include "listheading.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>

ListHeading::ListHeading(QAbstractItemView* list, QList<int> columns, QWidget* parent)
    : QLabel(parent), m_list(list), m_columns(std::move(columns)) {
    setFont(list->font());
    // A heading wider than the list never widens its window: the list's scroll bar shows the rest.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    connect(list->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            qOverload<>(&QWidget::update));
}

QList<ListHeading::Word> ListHeading::words() const {
    QList<Word> out;
    const QString heading = text();
    for (qsizetype i = 0; i < heading.size(); ++i) {
        if (heading[i] == u' ' || (i > 0 && heading[i - 1] != u' '))
            continue;
        qsizetype end = i;
        while (end < heading.size() && heading[end] != u' ')
            ++end;
        const qsizetype index = out.size();
        int column = int(i);
        if (index < m_columns.size()) {
            column = m_columns[index];
            if (column == kFollows)
                column = out.isEmpty() ? 0 : out.last().column + int(out.last().text.size()) + 1;
        }
        out.append({column, heading.mid(i, end - i)});
    }
    return out;
}

int ListHeading::columnX(int column) const {
    const QWidget* viewport = m_list->viewport();
    int origin = viewport->mapTo(window(), QPoint(0, 0)).x() - mapTo(window(), QPoint(0, 0)).x();
    // Where the items begin, after the sideways scroll.
    const QAbstractItemModel* model = m_list->model();
    if (model && model->rowCount() > 0)
        origin += m_list->visualRect(model->index(0, 0)).x();
    else
        origin -= m_list->horizontalScrollBar()->value();
    // The item text stands this far inside its item.
    origin += m_list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_list) + 1;
    return origin + QFontMetrics(m_list->font()).horizontalAdvance(QString(column, u' '));
}

void ListHeading::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(m_list->font());
    painter.setPen(palette().color(QPalette::WindowText));
    // Only over the list's text area, as its lines are.
    const QWidget* viewport = m_list->viewport();
    const int left =
        viewport->mapTo(window(), QPoint(0, 0)).x() - mapTo(window(), QPoint(0, 0)).x();
    painter.setClipRect(QRect(left, 0, viewport->width(), height()));
    for (const Word& word : words())
        painter.drawText(QRect(columnX(word.column), 0, width() * 4, height()),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, word.text);
}
