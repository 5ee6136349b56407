#pragma once
#include "app/sharedwindow.h"

#include <QWidget>

// Tumblewick Help
class Help : public QWidget {
    Q_OBJECT
public:
    static constexpr bool VisibleWhenCreated = true;
    static Help *instance() { return Shared<Help>::instance(); }
    static Help *existing() { return Shared<Help>::existing(); }

    Help();
    void Event_Open();
    void printHelp();
};
