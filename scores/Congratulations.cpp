#include "scores/Congratulations.h"

Congratulations::Congratulations() : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("Congratulations"));
    setWindowTitle(QStringLiteral("Congratulations!"));
}

void Congratulations::Event_Open() {}


void Congratulations::showNewHighScore(qint32) { SharedWindows::showWindow(instance()); }
