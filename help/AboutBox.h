#pragma once
#include "app/sharedwindow.h"

#include <QWidget>

// About...
class AboutBox : public QWidget {
    Q_OBJECT
public:
    static constexpr bool VisibleWhenCreated = true;
    static AboutBox *instance() { return Shared<AboutBox>::instance(); }
    static AboutBox *existing() { return Shared<AboutBox>::existing(); }

    AboutBox();
    void Event_Open();

};
