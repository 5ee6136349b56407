#pragma once
#include "scores/ScoreTable.h"

#include <QAbstractTableModel>

// The score table as the High Scores list shows it: column 0 the name (the
// only column edited in place), column 1 the score, both centred.
class ScoreModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    const ScoreTable &table() const { return m_table; }
    void setTable(const ScoreTable &table);
    void insert(const QString &name, qint32 total);
    void clear();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // Renames a row; dataChanged is emitted only when the name really changed.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

private:
    ScoreTable m_table;
};
