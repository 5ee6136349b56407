#pragma once
#include "app/packedlines.h"

#include <QAbstractListModel>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The dictionary's rows: one word per row, kept as the exact bytes read from
// the file (UTF-8 as the program writes it, but any bytes survive a load and
// a save unchanged), packed back to back. A model, so a view shows a million
// rows without a widget item per word.
class WordList : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    int count() const { return int(m_rows.size()); }
    std::string_view bytesView(int row) const { return m_rows[size_t(row)]; }
    std::string bytesAt(int row) const { return std::string(m_rows[size_t(row)]); }
    QString wordAt(int row) const;
    const PackedLines &packed() const { return m_rows; }
    std::vector<std::string> rows() const { return m_rows.toVector(); }

    void clear();
    void append(std::string_view word);
    void append(const QString &word) {
        const QByteArray bytes = word.toUtf8();
        append(std::string_view(bytes.constData(), size_t(bytes.size())));
    }
    void replaceAll(PackedLines rows);
    void replaceAll(const std::vector<std::string> &rows) {
        replaceAll(PackedLines::fromVector(rows));
    }
    void removeAt(int row);
    // Removes every row for which pred(bytes) is true, in one reset.
    void removeIf(const std::function<bool(std::string_view)> &pred);
    // Sorts ascending by byte value (for lower-case words, alphabetical order),
    // equal words keeping their order. A selected or current row stays on its
    // word.
    void sortAscending();

    // Longest part of a row the view shows.
    static constexpr qsizetype kMaxShownBytes = 200;

private:
    PackedLines m_rows;
};
