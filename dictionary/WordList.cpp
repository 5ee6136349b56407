#include "dictionary/WordList.h"

#include <algorithm>
#include <numeric>

int WordList::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : count();
}

QVariant WordList::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= count())
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
        // A pathological row (say a whole file without line breaks) is shown
        // cut short; the row itself keeps every byte.
        const std::string_view s = bytesView(index.row());
        if (qsizetype(s.size()) > kMaxShownBytes)
            return QString::fromUtf8(s.data(), kMaxShownBytes) + QChar(0x2026);
        return wordAt(index.row());
    }
    return {};
}

QString WordList::wordAt(int row) const {
    const std::string_view s = bytesView(row);
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

void WordList::clear() {
    if (m_rows.empty())
        return;
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

void WordList::append(std::string_view word) {
    const int row = count();
    beginInsertRows(QModelIndex(), row, row);
    m_rows.push_back(word);
    endInsertRows();
}

void WordList::replaceAll(PackedLines rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void WordList::removeAt(int row) {
    if (row < 0 || row >= count())
        return;
    beginRemoveRows(QModelIndex(), row, row);
    m_rows.erase(size_t(row));
    endRemoveRows();
}

void WordList::removeIf(const std::function<bool(std::string_view)> &pred) {
    bool any = false;
    for (size_t i = 0; i < m_rows.size() && !any; ++i)
        any = pred(m_rows[i]);
    if (!any)
        return;
    beginResetModel();
    m_rows.filter([&pred](std::string_view row) { return !pred(row); });
    endResetModel();
}

void WordList::sortAscending() {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<size_t> order(m_rows.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(),
                     [this](size_t a, size_t b) { return m_rows[a] < m_rows[b]; });
    // The views keep a few persistent indexes (selection, current row): each
    // follows its row to its new place.
    std::vector<int> newRow(order.size());
    for (size_t k = 0; k < order.size(); ++k)
        newRow[order[k]] = int(k);
    const QModelIndexList persistent = persistentIndexList();
    for (const QModelIndex &from : persistent)
        changePersistentIndex(from, index(newRow[size_t(from.row())], 0));
    m_rows.permute(order);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
