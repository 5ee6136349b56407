#pragma once
#include "app/sharedwindow.h"

#include <QWidget>

class QPushButton;
class QTableView;
class ScoreModel;
class ScoreTable;

// High Scores: the ten best totals, names edited in place, and Clear Scores.
// The table lives in this window's list; the score file is rewritten after
// every change (a name edit, a clear, a new entry).
class GameScores : public QWidget {
    Q_OBJECT
public:
    static constexpr bool VisibleWhenCreated = true;
    static GameScores *instance() { return Shared<GameScores>::instance(); }
    static GameScores *existing() { return Shared<GameScores>::existing(); }

    GameScores();
    void Event_Open();

    QTableView *HighScores = nullptr;
    QPushButton *ClearScores = nullptr;

    // Cells of the score table (row 0 to 9): name and score text.
    QString nameAt(int row) const;
    QString scoreAt(int row) const;
    int rowCount() const;
    const ScoreTable &table() const;

    // Loads the table from the score file, creating the file when missing.
    void getScoresPlist();
    // Writes rows 0 to 9 to the score file.
    void saveScoresPlist();

    // Files a new entry in its ranked place, brings this window to the front
    // and saves; the row pushed off the bottom leaves the table.
    void fileEntry(const QString &name, qint32 total);

    void HighScores_CellTextChange(int row, int column);
    void ClearScores_Action();

private:
    ScoreModel *m_model = nullptr;
};
