#pragma once
#include "linetable.h"

#include <QAbstractTableModel>

// The QSO list: one row per file line of the station log, one column per field of its list line,
// under the column titles. The log is kept as its bytes and a list line is built when its row is
// shown, so a large log loads at once.
class QsoListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Reads the log; false, with the list empty, when it cannot be read.
    bool read(const QString& path);
    void clear();
    const LineTable& fileLines() const { return m_lines; }
    QString fileLine(int row) const { return m_lines.line(row); }
    QString listLine(int row) const;

    // Where each field stands in a list line, and its title.
    struct Column {
        int first; // 0-based
        int width;
        const char* title;
    };
    static const QList<Column>& columns();

    QModelIndex index(int row, int column = 0, const QModelIndex& parent = {}) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void reset(LineTable lines);

    LineTable m_lines;
    int m_numberWidth = 5;
};
