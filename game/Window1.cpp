#include "game/Window1.h"

#include "app/App.h"
#include "app/Preferences.h"
#include "app/MenuBars.h"
#include "app/common.h"
#include "app/defaultbutton.h"
#include "app/msgbox.h"
#include "app/storage.h"
#include "app/textfile.h"
#include "dictionary/Maintenance.h"
#include "game/Module1.h"
#include "game/Scrambler.h"
#include "scores/Congratulations.h"
#include "scores/GameScores.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPalette>
#include <QPointer>
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

// The layout's sizes are those of a screen where a point is a pixel; fonts
// are therefore sized in pixels so that the texts fit their boxes at any
// screen resolution.
static QFont layoutFont(const QFont &base, int pixelSize, bool bold) {
    QFont f = base;
    if (pixelSize > 0)
        f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

static QFont helveticaNeue(int pixelSize) {
    return layoutFont(QFont(QStringLiteral("Helvetica Neue")), pixelSize, true);
}

void Window1::buildControls() {
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("Window1Content"));
    central->setFixedSize(440, 550);
    setCentralWidget(central);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // Labels that show a changing value keep their text as accessible name
    // (Qt's default for labels); the description says what the value is.
    auto label = [central](const char *name, const QString &text, int x, int y, int w, int h,
                           Qt::Alignment align, const QString &description = QString()) {
        auto *l = new QLabel(text, central);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(x, y, w, h);
        l->setAlignment(align | Qt::AlignVCenter);
        l->setTextFormat(Qt::PlainText);
        l->setFont(layoutFont(l->font(), 0, true));
        if (description.isEmpty())
            l->setAccessibleName(text);
        else
            l->setAccessibleDescription(description);
        return l;
    };
    auto button = [central](const char *name, const QString &text, int x, int y, int w, int h) {
        auto *b = new QPushButton(text, central);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(x, y, w, h);
        b->setAutoDefault(false);
        b->setFont(layoutFont(b->font(), 0, true));
        b->setAccessibleName(text);
        return b;
    };
    auto field = [central](const char *name, const QString &accessible, int x, int y, int w,
                           int h) {
        auto *f = new QLineEdit(central);
        f->setObjectName(QString::fromLatin1(name));
        f->setGeometry(x, y, w, h);
        f->setAlignment(Qt::AlignCenter);
        f->setFont(helveticaNeue(22));
        f->setAccessibleName(accessible);
        return f;
    };
    const QColor red(0xFF, 0x02, 0x14);
    const QColor blue(0x1A, 0x0A, 0xFF);
    auto colour = [](QWidget *w, const QColor &c) {
        QPalette pal = w->palette();
        pal.setColor(QPalette::WindowText, c);
        w->setPalette(pal);
    };

    // Read-only, but its text can still be selected and copied.
    LetterPot = field("LetterPot", QStringLiteral("Letter Pot"), 70, 136, 300, 32);
    LetterPot->setReadOnly(true);
    {
        QPalette pal = LetterPot->palette();
        pal.setColor(QPalette::Base, Qt::white);
        pal.setColor(QPalette::Text, Qt::black);
        LetterPot->setPalette(pal);
    }

    StaticText1 = label("StaticText1", QStringLiteral("Letter Pot"), 169, 108, 100, 20,
                        Qt::AlignHCenter);
    YourWord = field("YourWord", QStringLiteral("Your Word"), 70, 206, 300, 30);
    StaticText2 = label("StaticText2", QStringLiteral("Your Word"), 172, 179, 100, 20,
                        Qt::AlignHCenter);
    Enter = button("Enter", QStringLiteral("Enter"), 180, 248, 80, 20);
    StaticText3 = label("StaticText3", QStringLiteral("Words this turn:"), 215, 280, 125, 20,
                        Qt::AlignRight);
    NWords = label("NWords", QStringLiteral("0"), 346, 280, 35, 20, Qt::AlignHCenter,
                   QStringLiteral("Words this turn"));
    StaticText5 = label("StaticText5", QStringLiteral("Points this turn:"), 218, 314, 120, 20,
                        Qt::AlignRight);
    NPoints = label("NPoints", QStringLiteral("0"), 346, 314, 35, 20, Qt::AlignHCenter,
                    QStringLiteral("Points this turn"));
    StaticText = label("StaticText", QStringLiteral("Total Points:"), 217, 348, 120, 20,
                       Qt::AlignRight);
    TPoints = label("TPoints", QStringLiteral("0"), 346, 348, 35, 20, Qt::AlignHCenter,
                    QStringLiteral("Total Points"));
    EndGame = button("EndGame", QStringLiteral("End Game"), 244, 383, 100, 20);
    StartGame = button("StartGame", QStringLiteral("Start Game"), 92, 22, 100, 20);
    StartTurn = button("StartTurn", QStringLiteral("Start Turn"), 248, 22, 100, 20);

    Banner = label("Banner", QString(), 132, 66, 180, 30, Qt::AlignHCenter,
                   QStringLiteral("Message"));
    Banner->setFont(helveticaNeue(22));
    colour(Banner, red);

    BannerTimer = new QTimer(this);
    BannerTimer->setObjectName(QStringLiteral("BannerTimer"));
    BannerTimer->setInterval(1000);
    BannerTimer->setSingleShot(true);

    StaticText8 = label("StaticText8", QStringLiteral("Turn Number:"), 118, 509, 152, 20,
                        Qt::AlignRight);
    StaticText8->setFont(helveticaNeue(20));
    StaticText8->hide();
    Turn = label("Turn", QString(), 280, 509, 30, 20, Qt::AlignHCenter,
                 QStringLiteral("Turn Number"));
    Turn->setFont(helveticaNeue(20));

    GroupBox1 = new QGroupBox(QStringLiteral("Seconds per Turn"), central);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(51, 289, 144, 107);
    GroupBox1->setFont(layoutFont(GroupBox1->font(), 0, true));
    GroupBox1->setAccessibleName(GroupBox1->title());
    TurnLengths = new QButtonGroup(this);
    auto radio = [this](const char *name, const QString &text, int x, int y) {
        auto *r = new QRadioButton(text, GroupBox1);
        r->setObjectName(QString::fromLatin1(name));
        // Positions are given in window coordinates; the box is at 51, 289.
        r->setGeometry(x - 51, y - 289, 100, 20);
        r->setFont(layoutFont(r->font(), 0, false));
        r->setAccessibleName(text + QStringLiteral(" seconds"));
        TurnLengths->addButton(r);
        return r;
    };
    RadioButton1 = radio("RadioButton1", QStringLiteral("90"), 58, 314);
    RadioButton2 = radio("RadioButton2", QStringLiteral("60"), 58, 337);
    RadioButton3 = radio("RadioButton3", QStringLiteral("30"), 58, 360);

    SecondsLeft = label("SecondsLeft", QString(), 207, 22, 30, 20, Qt::AlignHCenter,
                        QStringLiteral("Seconds left"));
    colour(SecondsLeft, blue);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);

    Banner2 = label("Banner2", QStringLiteral("The Word Was:"), 137, 425, 170, 27, Qt::AlignLeft);
    Banner2->setFont(helveticaNeue(22));
    colour(Banner2, red);
    Answer = label("Answer", QString(), 70, 463, 300, 32, Qt::AlignHCenter,
                   QStringLiteral("The Word Was"));
    Answer->setFont(helveticaNeue(22));
    colour(Answer, red);

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
    setDefaultButton(StartGame);
    StartTurn->setEnabled(false);
    Enter->setDefault(false);
    // Nothing can be entered before the first game: there is no pot yet.
    Enter->setEnabled(false);
    YourWord->setEnabled(false);
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

// The window has one default button, the one pressed by Return: giving the
// flag to a button takes it from the others, so Return always presses the
// button that was made the default last.
void Window1::setDefaultButton(QPushButton *button) {
    for (QPushButton *b : {StartGame, StartTurn, Enter})
        if (b != button)
            b->setDefault(false);
    button->setDefault(true);
}

// A banner shows for one BannerTimer period; a new banner within that
// period restarts it, so every message stays a full second.
void Window1::showBanner(const QString &text) {
    Banner->setText(text);
    Banner->show();
    BannerTimer->start();
}

// The turn length from the radio buttons. With none selected (the
// preferences named no valid length and the player has not chosen one) a
// turn lasts 60 seconds and "60" becomes the choice, so a turn always ends.
void Window1::chooseTurnLength() {
    if (RadioButton1->isChecked()) {
        Seconds = 90;
    } else if (RadioButton2->isChecked()) {
        Seconds = 60;
    } else if (RadioButton3->isChecked()) {
        Seconds = 30;
    } else {
        RadioButton2->setChecked(true);
        Seconds = 60;
    }
}

void Window1::startCountdown() {
    chooseTurnLength();
    SecondsLeft->setText(Str(Seconds));
    SecondsLeft->show();
    // Starting a running timer restarts its period: the first tick of a
    // fresh countdown always comes a full second after it is shown.
    Timer1->start();
}

void Window1::StartGame_Action() {
    InitializeSome();
    TotalPoints = 0;
    TPoints->setText(QStringLiteral("0"));
    StartGame->setDefault(false);
    Enter->setEnabled(true);
    setDefaultButton(Enter);
    WordCount = 0;
    NumberPoints = 0;
    StaticText8->show();
    Turn->show();
    NoTurn = 1;
    Turn->setText(QStringLiteral("1"));
    YourWord->setEnabled(true);
    YourWord->setFocus();
    GroupBox1->setEnabled(false);

    if (Maintenance::instance()->words().count() > 0) {
        GetAWord();
        startCountdown();
        Banner2->hide();
        Answer->hide();
    } else {
        // The countdown of a game abandoned by this press stops too: the new
        // game has no word, so no turn runs.
        Timer1->stop();
        SecondsLeft->hide();
        MsgBox::show(QStringLiteral(
            "There are no words in your Dictionary.  I will open the Maintenance window for "
            "you and you can add some words or load a file."));
        if (App *app = App::instance())
            app->_WordMaintenanceShow_Action();
        StartGame->setEnabled(true);
    }
}

void Window1::StartTurn_Action() {
    InitializeSome();
    StartTurn->setDefault(false);
    StartTurn->setEnabled(false);
    Enter->setEnabled(true);
    setDefaultButton(Enter);
    WordCount = 0;
    NumberPoints = 0;
    ++NoTurn;
    Turn->setText(Str(NoTurn));
    YourWord->setEnabled(true);
    YourWord->setFocus();
    GetAWord();
    startCountdown();
    Banner2->hide();
    Answer->hide();
}

// Finds a letter in what is left of the pot; capitals and small letters
// count as the same letter.
static qsizetype findLetter(const QStringList &pot, const QString &letter) {
    for (qsizetype k = 0; k < pot.size(); ++k)
        if (pot[k].compare(letter, Qt::CaseInsensitive) == 0)
            return k;
    return -1;
}

void Window1::Enter_Action() {
    const QString entry = YourWord->text();
    const QStringList letters = Scrambler::characters(entry);
    QStringList pot = Scrambler::characters(LetterPot->text());

    // An empty pot (no word could be drawn) matches no entry, not even an
    // empty one.
    if (pot.isEmpty() || letters.size() != pot.size()) {
        showBanner(QStringLiteral("Nope!"));
        YourWord->setText(QString());
        return;
    }
    for (const QString &c : letters) {
        const qsizetype k = findLetter(pot, c);
        if (k < 0) {
            showBanner(QStringLiteral("Missing Letters!"));
            YourWord->setText(QString());
            return;
        }
        pot.removeAt(k); // each letter of the pot serves once
    }
    if (entry.compare(X, Qt::CaseInsensitive) != 0) {
        showBanner(QStringLiteral("Not my word!"));
        YourWord->setText(QString());
        return;
    }

    ++WordCount;
    NWords->setText(Str(WordCount));
    const qint32 points = 10 + qint32(letters.size());
    NumberPoints += points;
    TotalPoints += points;
    NPoints->setText(Str(NumberPoints));
    TPoints->setText(Str(TotalPoints));
    YourWord->setText(QString());
    GetAWord();
}

void Window1::EndGame_Action() {
    WordCount = 0;
    NumberPoints = 0;
    TotalPoints = 0;
    NWords->setText(QStringLiteral("0"));
    NPoints->setText(QStringLiteral("0"));
    TPoints->setText(QStringLiteral("0"));
    LetterPot->setText(QString());
    YourWord->setText(QString());
    setDefaultButton(StartGame);
    Enter->setEnabled(false);
    Enter->setDefault(false);
    YourWord->setEnabled(false);
    Timer1->stop();
    SecondsLeft->hide();
    Turn->setText(QString());
    Banner2->hide();
    Answer->hide();
    GroupBox1->setEnabled(true);
}

void Window1::Timer1_Action() {
    --Seconds;
    SecondsLeft->setText(Str(Seconds));
    if (Seconds != 0)
        return;

    showBanner(QStringLiteral("Time's Up!"));
    Banner2->show();
    Answer->show();
    Timer1->stop();
    SecondsLeft->hide();
    setDefaultButton(StartTurn);
    QPointer<Window1> self(this);
    if (SoundFlag)
        App::Microwave().PlayToEnd();
    if (!self)
        return;
    Enter->setEnabled(false);
    Enter->setDefault(false);
    StartTurn->setEnabled(true);
    YourWord->setEnabled(false);

    if (NoTurn == 5) {
        CheckScore();
        if (SoundFlag && NewHighScoreFlag)
            App::OK3().PlayToEnd();
        if (!self)
            return;
        if (NewHighScoreFlag)
            Congratulations::showNewHighScore(TotalPoints);
        showBanner(QStringLiteral("Game Over!"));
        StartTurn->setEnabled(false);
        setDefaultButton(StartGame);
        Turn->hide();
        GroupBox1->setEnabled(true);
        StaticText8->hide();
    }
}

void Window1::BannerTimer_Action() { Banner->hide(); }

void Window1::CheckScore() {
    if (TotalPoints > 0) {
        GameScores *scores = GameScores::instance();
        if (Val(scores->scoreAt(9)) < double(TotalPoints))
            NewHighScoreFlag = true;
    }
}

void Window1::getPlist() {
    const QString name = QString::fromLatin1(Storage::PreferencesFile);
    const QString path = Storage::filePath(name);
    if (!QFileInfo::exists(path))
        Storage::save(name, Preferences::defaults());
    QStringList lines;
    // A file that cannot be read (or created) gives the default settings.
    if (!TextFile::readLines(path, lines, nullptr, TextFile::EmptyLines::Keep, 2))
        lines = Preferences::defaults();
    const Preferences::Settings settings = Preferences::parse(lines);

    SoundFlag = settings.sound;
    App::updateSoundChecks();
    if (settings.seconds == 90)
        RadioButton1->setChecked(true);
    else if (settings.seconds == 60)
        RadioButton2->setChecked(true);
    else if (settings.seconds == 30)
        RadioButton3->setChecked(true);
}

void Window1::savePlist() {
    Preferences::Settings settings;
    settings.sound = SoundFlag;
    settings.seconds = RadioButton1->isChecked()   ? 90
                       : RadioButton2->isChecked() ? 60
                       : RadioButton3->isChecked() ? 30
                                                   : 0;
    Storage::save(QString::fromLatin1(Storage::PreferencesFile), Preferences::format(settings));
}
