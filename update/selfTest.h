#pragma once
#include "app/sharedwindow.h"

#include <QWidget>

// Self Test
class selfTest : public QWidget {
    Q_OBJECT
public:
    static constexpr bool VisibleWhenCreated = true;
    static selfTest *instance() { return Shared<selfTest>::instance(); }
    static selfTest *existing() { return Shared<selfTest>::existing(); }

    selfTest();
    void Event_Open();

};
