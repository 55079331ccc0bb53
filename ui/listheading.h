#pragma once
#include <QLabel>
#include <QList>

class QAbstractItemView;

// The column heading of a fixed-pitch list. Its words are drawn in the list's own font from the
// list's text origin, each at the column of the list's lines it names, and follow the list's
// sideways scroll; text() stays the whole heading. A word is a run of text without a blank.
class ListHeading : public QLabel {
    Q_OBJECT
public:
    // `columns`: the column (0-based) of a list line where each word starts, or kFollows for a
    // word that follows the previous one after a blank; words past the columns stand where the
    // heading's own text puts them.
    explicit ListHeading(QAbstractItemView* list, QList<int> columns = {},
                         QWidget* parent = nullptr);

    static constexpr int kFollows = -1;

    struct Word {
        int column;
        QString text;
    };
    // The heading's words with the list column each is drawn at.
    QList<Word> words() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // x, in this widget, where column `column` of the list's lines begins.
    int columnX(int column) const;

    QAbstractItemView* m_list;
    QList<int> m_columns;
};
