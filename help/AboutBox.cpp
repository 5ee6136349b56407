#include "help/AboutBox.h"

AboutBox::AboutBox() : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About..."));
}

void AboutBox::Event_Open() {}

