#pragma once
#include "app/sharedwindow.h"

#include <QWidget>

class QLabel;
class QPushButton;

// About...: the product name, the running version, the credits, and three
// buttons that hand the author's mail address, the web site and the store's
// order page to the system.
class AboutBox : public QWidget {
    Q_OBJECT
public:
    static constexpr bool VisibleWhenCreated = true;
    static AboutBox *instance() { return Shared<AboutBox>::instance(); }
    static AboutBox *existing() { return Shared<AboutBox>::existing(); }

    AboutBox();
    void Event_Open();

    // Controls, named as their objectName.
    QLabel *StaticText1 = nullptr;
    QLabel *StaticText3 = nullptr;
    QLabel *StaticText4 = nullptr;
    QLabel *StaticText2 = nullptr;
    QPushButton *PushButton1 = nullptr;
    QPushButton *PushButton2 = nullptr;
    QPushButton *Kagi = nullptr;

    void StaticText4_Open();
    void PushButton1_Action();
    void PushButton2_Action();
    void Kagi_Action();
};
