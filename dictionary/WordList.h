#pragma once
#include <QAbstractListModel>
#include <functional>
#include <string>
#include <vector>

// The dictionary's rows: one word per row, kept as the exact bytes read from
// the file (UTF-8 as the program writes it, but any bytes survive a load and
// a save unchanged). A model, so a view shows a million rows without a widget
// item per word.
class WordList : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    int count() const { return int(m_rows.size()); }
    const std::string &bytesAt(int row) const { return m_rows[size_t(row)]; }
    QString wordAt(int row) const;
    const std::vector<std::string> &rows() const { return m_rows; }

    void clear();
    void append(std::string word);
    void append(const QString &word) { append(word.toStdString()); }
    void replaceAll(std::vector<std::string> rows);
    void removeAt(int row);
    // Removes every row for which pred(bytes) is true, in one reset.
    void removeIf(const std::function<bool(const std::string &)> &pred);
    // Sorts ascending by byte value (for lower-case words, alphabetical order).
    // A selected or current row stays on its word.
    void sortAscending();

    // Longest part of a row the view shows.
    static constexpr qsizetype kMaxShownBytes = 200;

private:
    std::vector<std::string> m_rows;
};
