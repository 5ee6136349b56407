#include "scores/GameScores.h"

GameScores::GameScores() : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("GameScores"));
    setWindowTitle(QStringLiteral("High Scores"));
}

void GameScores::Event_Open() {}
QString GameScores::nameAt(int) const { return QString(); }
QString GameScores::scoreAt(int) const { return QStringLiteral("0"); }
