#pragma once
#include "linetable.h"

#include <QAbstractListModel>

// The QSO list: one row per file line of the station log, shown as its list line. The log is
// kept as its bytes and a list line is built when its row is shown, so a large log loads at once.
class QsoListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    // Reads the log; false, with the list empty, when it cannot be read.
    bool read(const QString& path);
    void clear();
    const LineTable& fileLines() const { return m_lines; }
    QString fileLine(int row) const { return m_lines.line(row); }
    QString listLine(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    void reset(LineTable lines);

    LineTable m_lines;
    int m_numberWidth = 5;
};
