#include "game/Window1.h"

#include "app/App.h"
#include "app/MenuBars.h"
#include "app/common.h"
#include "app/defaultbutton.h"
#include "dictionary/Maintenance.h"
#include "game/Module1.h"
#include "game/Scrambler.h"
#include "scores/GameScores.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

using namespace Module1;

Window1::Window1() {
    setObjectName(QStringLiteral("Window1"));
    setWindowTitle(QStringLiteral("Tumblewick"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setMenuBar(MenuBars::createMenuBar1(this));
    buildControls();
    DefaultButtonFilter::install(this);
}

void Window1::buildControls() {
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("Window1Content"));
    central->setFixedSize(440, 550);
    setCentralWidget(central);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    auto label = [central](const char *name, const QString &text, int x, int y, int w, int h,
                           Qt::Alignment align) {
        auto *l = new QLabel(text, central);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(x, y, w, h);
        l->setAlignment(align | Qt::AlignVCenter);
        l->setTextFormat(Qt::PlainText);
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        return l;
    };
    auto button = [central](const char *name, const QString &text, int x, int y, int w, int h) {
        auto *b = new QPushButton(text, central);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(x, y, w, h);
        b->setAutoDefault(false);
        QFont f = b->font();
        f.setBold(true);
        b->setFont(f);
        return b;
    };
    const QFont big(QStringLiteral("Helvetica Neue"), 22, QFont::Bold);

    LetterPot = new QLineEdit(central);
    LetterPot->setObjectName(QStringLiteral("LetterPot"));
    LetterPot->setGeometry(70, 136, 300, 32);
    LetterPot->setReadOnly(true);
    LetterPot->setAlignment(Qt::AlignCenter);
    LetterPot->setFont(big);
    LetterPot->setAccessibleName(QStringLiteral("Letter Pot"));

    StaticText1 = label("StaticText1", QStringLiteral("Letter Pot"), 169, 108, 100, 20,
                        Qt::AlignHCenter);

    YourWord = new QLineEdit(central);
    YourWord->setObjectName(QStringLiteral("YourWord"));
    YourWord->setGeometry(70, 206, 300, 30);
    YourWord->setAlignment(Qt::AlignCenter);
    YourWord->setFont(big);
    YourWord->setAccessibleName(QStringLiteral("Your Word"));

    StaticText2 = label("StaticText2", QStringLiteral("Your Word"), 172, 179, 100, 20,
                        Qt::AlignHCenter);
    Enter = button("Enter", QStringLiteral("Enter"), 180, 248, 80, 20);
    StaticText3 = label("StaticText3", QStringLiteral("Words this turn:"), 215, 280, 125, 20,
                        Qt::AlignRight);
    NWords = label("NWords", QStringLiteral("0"), 346, 280, 35, 20, Qt::AlignHCenter);
    StaticText5 = label("StaticText5", QStringLiteral("Points this turn:"), 218, 314, 120, 20,
                        Qt::AlignRight);
    NPoints = label("NPoints", QStringLiteral("0"), 346, 314, 35, 20, Qt::AlignHCenter);
    StaticText = label("StaticText", QStringLiteral("Total Points:"), 217, 348, 120, 20,
                       Qt::AlignRight);
    TPoints = label("TPoints", QStringLiteral("0"), 346, 348, 35, 20, Qt::AlignHCenter);
    EndGame = button("EndGame", QStringLiteral("End Game"), 244, 383, 100, 20);
    StartGame = button("StartGame", QStringLiteral("Start Game"), 92, 22, 100, 20);
    StartTurn = button("StartTurn", QStringLiteral("Start Turn"), 248, 22, 100, 20);

    Banner = label("Banner", QString(), 132, 66, 180, 30, Qt::AlignHCenter);
    Banner->setFont(big);
    Banner->setStyleSheet(QStringLiteral("color: #FF0214;"));

    BannerTimer = new QTimer(this);
    BannerTimer->setObjectName(QStringLiteral("BannerTimer"));
    BannerTimer->setInterval(1000);
    BannerTimer->setSingleShot(true);

    StaticText8 = label("StaticText8", QStringLiteral("Turn Number:"), 118, 509, 152, 20,
                        Qt::AlignRight);
    StaticText8->setFont(QFont(QStringLiteral("Helvetica Neue"), 20, QFont::Bold));
    StaticText8->hide();
    Turn = label("Turn", QString(), 280, 509, 30, 20, Qt::AlignHCenter);
    Turn->setFont(QFont(QStringLiteral("Helvetica Neue"), 20, QFont::Bold));

    GroupBox1 = new QGroupBox(QStringLiteral("Seconds per Turn"), central);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(51, 289, 144, 107);
    QFont groupFont = GroupBox1->font();
    groupFont.setBold(true);
    GroupBox1->setFont(groupFont);
    TurnLengths = new QButtonGroup(this);
    auto radio = [this](const char *name, const QString &text, int x, int y) {
        auto *r = new QRadioButton(text, GroupBox1);
        r->setObjectName(QString::fromLatin1(name));
        // Positions are given in window coordinates; the box is at 51, 289.
        r->setGeometry(x - 51, y - 289, 100, 20);
        QFont f = r->font();
        f.setBold(false);
        r->setFont(f);
        TurnLengths->addButton(r);
        return r;
    };
    RadioButton1 = radio("RadioButton1", QStringLiteral("90"), 58, 314);
    RadioButton2 = radio("RadioButton2", QStringLiteral("60"), 58, 337);
    RadioButton3 = radio("RadioButton3", QStringLiteral("30"), 58, 360);

    SecondsLeft = label("SecondsLeft", QString(), 207, 22, 30, 20, Qt::AlignHCenter);
    SecondsLeft->setStyleSheet(QStringLiteral("color: #1A0AFF;"));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);

    Banner2 = label("Banner2", QStringLiteral("The Word Was:"), 137, 425, 170, 27, Qt::AlignLeft);
    Banner2->setFont(big);
    Banner2->setStyleSheet(QStringLiteral("color: #FF0214;"));
    Answer = label("Answer", QString(), 70, 463, 300, 32, Qt::AlignHCenter);
    Answer->setFont(big);
    Answer->setStyleSheet(QStringLiteral("color: #FF0214;"));

    QWidget::setTabOrder(LetterPot, YourWord);
    QWidget::setTabOrder(YourWord, Enter);
    QWidget::setTabOrder(Enter, EndGame);
    QWidget::setTabOrder(EndGame, StartGame);
    QWidget::setTabOrder(StartGame, StartTurn);
    QWidget::setTabOrder(StartTurn, RadioButton1);

    connect(StartGame, &QPushButton::clicked, this, &Window1::StartGame_Action);
    connect(StartTurn, &QPushButton::clicked, this, &Window1::StartTurn_Action);
    connect(Enter, &QPushButton::clicked, this, &Window1::Enter_Action);
    connect(EndGame, &QPushButton::clicked, this, &Window1::EndGame_Action);
    connect(Timer1, &QTimer::timeout, this, &Window1::Timer1_Action);
    connect(BannerTimer, &QTimer::timeout, this, &Window1::BannerTimer_Action);
}

void Window1::Event_Open() {
    Initialize();
    StartGame->setDefault(true);
    StartTurn->setEnabled(false);
    Enter->setDefault(false);
    Banner->hide();
    NoTurn = 0;
}

void Window1::closeEvent(QCloseEvent *event) {
    Event_Close();
    event->accept();
}

void Window1::Event_Close() {
    savePlist();
    App::quit(this);
}

void Window1::InitializeSome() {
    LetterPot->setText(QString());
    YourWord->setText(QString());
    NWords->setText(QStringLiteral("0"));
    NPoints->setText(QStringLiteral("0"));
    NewHighScoreFlag = false;
    Banner2->hide();
    Answer->hide();
}

void Window1::Initialize() {
    InitializeSome();
    TotalPoints = 0;
    TPoints->setText(QStringLiteral("0"));
    NoTurn = 0;
    SecondsLeft->hide();
    Turn->hide();
    Maintenance *m = Maintenance::instance();
    m->getPlistDictionary();
    getPlist();
    m->hide();
    m->move(699, 70);
    GameScores *scores = GameScores::instance();
    scores->hide();
    scores->move(475, 70);
}

void Window1::GetAWord() {
    WordList &words = Maintenance::instance()->words();
    const Scrambler::Draw d = Scrambler::draw(
        words.count(), [&words](int i) { return words.wordAt(i); }, Module1::random());
    // With no word that can be scrambled the pot stays empty, and an empty
    // pot never scores.
    X = d.word;
    Answer->setText(X);
    LetterPot->setText(d.scramble);
}

void Window1::StartGame_Action() {}
void Window1::StartTurn_Action() {}
void Window1::Enter_Action() {}
void Window1::EndGame_Action() {}
void Window1::Timer1_Action() {}
void Window1::BannerTimer_Action() { Banner->hide(); }

void Window1::CheckScore() {
    if (TotalPoints > 0) {
        GameScores *scores = GameScores::instance();
        if (Val(scores->scoreAt(9)) < double(TotalPoints))
            NewHighScoreFlag = true;
    }
}

void Window1::getPlist() {}
void Window1::savePlist() {}
