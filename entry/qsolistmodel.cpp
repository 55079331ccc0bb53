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

const QList<QsoListModel::Column>& QsoListModel::columns() {
    static const QList<Column> kColumns{
        {0, 5, "N°"},    {7, 12, "Indicatif"}, {21, 4, "District"}, {26, 15, "Prenom"},
        {42, 5, "Ref"},  {49, 8, "Date"},      {59, 5, "QTR"},      {66, 3, "Mode"},
        {71, 7, "QRG"},  {80, 3, "RSTR"},      {85, 3, "RSTE"},     {89, 60, "Mom du Chateau"},
        {151, 1, "QSL"}, {153, 4, "Loc"},
    };
    return kColumns;
}

QModelIndex QsoListModel::index(int row, int column, const QModelIndex& parent) const {
    return QAbstractTableModel::index(row, column, parent);
}

int QsoListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_lines.size();
}

int QsoListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(columns().size());
}

QVariant QsoListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::TextAlignmentRole && index.column() == 0)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    const Column& c = columns()[index.column()];
    // A longer number (past 99,999 QSOs) widens the first field and moves the others along.
    const int shift = qMax(0, m_numberWidth - 5);
    const int first = index.column() == 0 ? 0 : c.first + shift;
    const int width = index.column() == 0 ? c.width + shift : c.width;
    return listLine(index.row()).mid(first, width).trimmed();
}

QVariant QsoListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columns().size())
        return {};
    return QString::fromUtf8(columns()[section].title);
}
