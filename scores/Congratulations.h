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

    // Shows the window for a game whose total entered the top ten; the total
    // filed by Enter is this one, whatever happens to TotalPoints meanwhile.
    static void showNewHighScore(qint32 total);

};
