#include "dictionary/WordList.h"

#include <algorithm>

int WordList::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant WordList::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= count())
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
        // A pathological row (say a whole file without line breaks) is shown
        // cut short; the row itself keeps every byte.
        const std::string &s = m_rows[size_t(index.row())];
        if (s.size() > kMaxShownBytes)
            return QString::fromUtf8(s.data(), kMaxShownBytes) + QChar(0x2026);
        return wordAt(index.row());
    }
    return {};
}

QString WordList::wordAt(int row) const {
    const std::string &s = m_rows[size_t(row)];
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

void WordList::clear() {
    if (m_rows.empty())
        return;
    beginResetModel();
    m_rows.clear();
    m_rows.shrink_to_fit();
    endResetModel();
}

void WordList::append(std::string word) {
    const int row = count();
    beginInsertRows(QModelIndex(), row, row);
    m_rows.push_back(std::move(word));
    endInsertRows();
}

void WordList::replaceAll(std::vector<std::string> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void WordList::removeAt(int row) {
    if (row < 0 || row >= count())
        return;
    beginRemoveRows(QModelIndex(), row, row);
    m_rows.erase(m_rows.begin() + row);
    endRemoveRows();
}

void WordList::sortAscending() {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::sort(m_rows.begin(), m_rows.end());
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
