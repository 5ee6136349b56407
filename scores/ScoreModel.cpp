#include "scores/ScoreModel.h"

void ScoreModel::setTable(const ScoreTable &table) {
    beginResetModel();
    m_table = table;
    endResetModel();
}

void ScoreModel::insert(const QString &name, qint32 total) {
    beginResetModel();
    m_table.insert(name, total);
    endResetModel();
}

void ScoreModel::clear() {
    beginResetModel();
    m_table.clear();
    endResetModel();
}

int ScoreModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : m_table.count();
}

int ScoreModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : 2; }

QVariant ScoreModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= m_table.count())
        return QVariant();
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return QVariant();
    const ScoreRow &row = m_table.at(index.row());
    return index.column() == 0 ? row.name : row.score;
}

QVariant ScoreModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal)
        return QVariant();
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole)
        return QVariant();
    return section == 0 ? QStringLiteral("Name") : QStringLiteral("Score");
}

Qt::ItemFlags ScoreModel::flags(const QModelIndex &index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == 0)
        f |= Qt::ItemIsEditable;
    return f;
}

bool ScoreModel::setData(const QModelIndex &index, const QVariant &value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.column() != 0)
        return false;
    if (m_table.setName(index.row(), value.toString()))
        emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}
