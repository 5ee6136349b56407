#pragma once
#include "app/sharedwindow.h"

#include <QWidget>

// Update
class updateWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr bool VisibleWhenCreated = true;
    static updateWindow *instance() { return Shared<updateWindow>::instance(); }
    static updateWindow *existing() { return Shared<updateWindow>::existing(); }

    updateWindow();
    void Event_Open();

};
