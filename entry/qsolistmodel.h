#pragma once
#include <QAbstractListModel>
#include <QStringList>

// The QSO list: one row per file line of the station log, shown as its list line. The list line
// is built when a row is shown, so a large log loads at once.
class QsoListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    void setFileLines(QStringList lines);
    void clear() { setFileLines({}); }
    const QStringList& fileLines() const { return m_lines; }
    QString fileLine(int row) const { return m_lines.value(row); }
    QString listLine(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    QStringList m_lines;
    int m_numberWidth = 5;
};
