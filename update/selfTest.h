#pragma once
#include "app/sharedwindow.h"

#include <QWidget>

class QLabel;
class QPushButton;

// Self Test: shows the running version and starts the update check.
class selfTest : public QWidget {
    Q_OBJECT
public:
    static constexpr bool VisibleWhenCreated = true;
    static selfTest *instance() { return Shared<selfTest>::instance(); }
    static selfTest *existing() { return Shared<selfTest>::existing(); }

    selfTest();
    void Event_Open();

    void StaticText2_Open();
    // "Check for Updates": opens the update window, which starts the request.
    void PushButton1_Action();

    QLabel *StaticText1 = nullptr;
    QLabel *StaticText2 = nullptr;
    QPushButton *PushButton1 = nullptr;
};
