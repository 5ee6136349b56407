#pragma once
#include "app/sharedwindow.h"

#include <QWidget>

// Congratulations!
class Congratulations : public QWidget {
    Q_OBJECT
public:
    static constexpr bool VisibleWhenCreated = true;
    static Congratulations *instance() { return Shared<Congratulations>::instance(); }
    static Congratulations *existing() { return Shared<Congratulations>::existing(); }

    Congratulations();
    void Event_Open();

};
