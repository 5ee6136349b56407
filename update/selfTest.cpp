#include "update/selfTest.h"

#include "app/App.h"
#include "app/defaultbutton.h"
#include "update/updateWindow.h"

#include <QLabel>
#include <QPushButton>

selfTest::selfTest() : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("selfTest"));
    setWindowTitle(QStringLiteral("Self Test"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(211, 102);

    StaticText1 = new QLabel(QStringLiteral("Version:"), this);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    StaticText1->setGeometry(37, 21, 67, 20);
    QFont bold = StaticText1->font();
    bold.setBold(true);
    StaticText1->setFont(bold);

    StaticText2 = new QLabel(QStringLiteral("1.6.0 Intel"), this);
    StaticText2->setObjectName(QStringLiteral("StaticText2"));
    StaticText2->setGeometry(108, 21, 65, 20);
    StaticText2->setTextFormat(Qt::PlainText);
    StaticText2->setAccessibleName(QStringLiteral("Version"));
    StaticText1->setBuddy(StaticText2);

    PushButton1 = new QPushButton(QStringLiteral("Check for Updates"), this);
    PushButton1->setObjectName(QStringLiteral("PushButton1"));
    PushButton1->setGeometry(27, 61, 157, 21);
    PushButton1->setFont(bold);
    PushButton1->setAccessibleName(QStringLiteral("Check for Updates"));
    PushButton1->setAutoDefault(false);
    PushButton1->setDefault(true);
    connect(PushButton1, &QPushButton::clicked, this, &selfTest::PushButton1_Action);

    DefaultButtonFilter::install(this);
}

void selfTest::Event_Open() { StaticText2_Open(); }

void selfTest::StaticText2_Open() { StaticText2->setText(App::LongVersion()); }

void selfTest::PushButton1_Action() {
    // Referring to the update window creates it; its Open handler sends the
    // request and closes this window. The update window is modal and runs on
    // without blocking here; this window is closed whatever the outcome.
    updateWindow::instance();
    if (existing() == this)
        close();
}
