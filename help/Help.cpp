#include "help/Help.h"

Help::Help() : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("Help"));
    setWindowTitle(QStringLiteral("Tumblewick Help"));
}

void Help::Event_Open() {}
void Help::printHelp() {}
