#include "scores/Congratulations.h"

#include "app/defaultbutton.h"
#include "game/Module1.h"
#include "scores/GameScores.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

Congratulations::Congratulations()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Congratulations"));
    setWindowTitle(QStringLiteral("Congratulations!"));
    setFixedSize(358, 95);

    QFont bold = font();
    bold.setBold(true);

    StaticText1 =
        new QLabel(QStringLiteral("Congratulations!  Your score is in the top ten."), this);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    StaticText1->setGeometry(20, 20, 318, 20);
    StaticText1->setFont(bold);
    StaticText1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    StaticText1->setWordWrap(true);

    StaticText2 = new QLabel(QStringLiteral("Name:"), this);
    StaticText2->setObjectName(QStringLiteral("StaticText2"));
    StaticText2->setGeometry(40, 55, 47, 20);
    StaticText2->setFont(bold);
    StaticText2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    // At most ten letters and digits; other keys are refused as they are typed.
    NameField = new QLineEdit(this);
    NameField->setObjectName(QStringLiteral("NameField"));
    NameField->setAccessibleName(QStringLiteral("Name"));
    NameField->setGeometry(86, 55, 100, 22);
    NameField->setAlignment(Qt::AlignLeft);
    NameField->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[A-Za-z0-9]{0,10}")), NameField));
    StaticText2->setBuddy(NameField);

    Enter = new QPushButton(QStringLiteral("Enter"), this);
    Enter->setObjectName(QStringLiteral("Enter"));
    Enter->setGeometry(234, 55, 80, 20);
    Enter->setFont(bold);
    Enter->setAutoDefault(false);
    Enter->setDefault(false);

    setTabOrder(NameField, Enter);
    NameField->setFocus();

    connect(NameField, &QLineEdit::textChanged, this, &Congratulations::NameField_TextChange);
    connect(Enter, &QPushButton::clicked, this, &Congratulations::Enter_Action);
    DefaultButtonFilter::install(this);
}

void Congratulations::Event_Open() { NameField->setText(Module1::Name); }

void Congratulations::showNewHighScore(qint32 total) {
    Congratulations *c = instance();
    c->m_total = total;
    SharedWindows::showWindow(c);
}

void Congratulations::NameField_TextChange() { Enter->setDefault(true); }

void Congratulations::Enter_Action() {
    // Only a game waiting to be filed is filed, and only once.
    if (!m_total)
        return;
    const qint32 total = *m_total;
    m_total.reset();
    Module1::Name = NameField->text();
    hide();
    GameScores::instance()->fileEntry(Module1::Name, total);
}
