#include "update/updateWindow.h"

updateWindow::updateWindow() : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("updateWindow"));
    setWindowTitle(QStringLiteral("Update"));
}

void updateWindow::Event_Open() {}

