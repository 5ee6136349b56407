#pragma once
#include "app/sharedwindow.h"

#include <QWidget>

// High Scores
class GameScores : public QWidget {
    Q_OBJECT
public:
    static constexpr bool VisibleWhenCreated = true;
    static GameScores *instance() { return Shared<GameScores>::instance(); }
    static GameScores *existing() { return Shared<GameScores>::existing(); }

    GameScores();
    void Event_Open();
    // Cells of the score table (row 0 to 9): name and score text.
    QString nameAt(int row) const;
    QString scoreAt(int row) const;
};
