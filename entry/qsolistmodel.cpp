#include "qsolistmodel.h"

#include "qsorecord.h"

void QsoListModel::setFileLines(QStringList lines) {
    beginResetModel();
    m_lines = std::move(lines);
    m_numberWidth = listNumberWidth(static_cast<int>(m_lines.size()));
    endResetModel();
}

QString QsoListModel::listLine(int row) const {
    if (row < 0 || row >= m_lines.size())
        return {};
    return ListLine(row + 1, m_lines[row], m_numberWidth);
}

int QsoListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_lines.size());
}

QVariant QsoListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    return listLine(index.row());
}
