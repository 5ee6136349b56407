#include "update/selfTest.h"

selfTest::selfTest() : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("selfTest"));
    setWindowTitle(QStringLiteral("Self Test"));
}

void selfTest::Event_Open() {}

