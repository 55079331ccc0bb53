#include "qsolistmodel.h"

#include "qsorecord.h"

bool QsoListModel::read(const QString& path) {
    LineTable lines;
    const bool ok = lines.read(path);
    reset(std::move(lines));
    return ok;
}

void QsoListModel::clear() {
    reset({});
}

void QsoListModel::reset(LineTable lines) {
    beginResetModel();
    m_lines = std::move(lines);
    m_numberWidth = listNumberWidth(m_lines.size());
    endResetModel();
}

QString QsoListModel::listLine(int row) const {
    if (row < 0 || row >= m_lines.size())
        return {};
    return ListLine(row + 1, m_lines.shownLine(row), m_numberWidth);
}

int QsoListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_lines.size();
}

QVariant QsoListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    return listLine(index.row());
}
