// The turn engine played through the main window's handlers. The clock is
// driven by calling Timer1_Action directly: no test waits for a real second.
#include "testutil.h"

#include "app/App.h"
#include "app/fonts.h"
#include "dictionary/Maintenance.h"
#include "game/Module1.h"
#include "game/Window1.h"
#include "scores/Congratulations.h"

#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

using namespace Module1;

static const QString EmptyDictionaryMessage = QStringLiteral(
    "There are no words in your Dictionary.  I will open the Maintenance window for you and "
    "you can add some words or load a file.");

// What the window shows in each situation of a game.
struct Situation {
    const char *name;
    bool startGameDefault;
    bool startTurnEnabled;
    bool startTurnDefault;
    bool enterEnabled;
    bool enterDefault;
    bool yourWordEnabled;
    bool groupEnabled;
    bool timerRunning;
    bool secondsShown;
    bool turnShown;
    bool wordWasShown;
};

static const Situation IdleAtLaunch{"idle at launch", true, false, false, false, false,
                                    false, true, false, false, false, false};
static const Situation TurnRunning{"turn running", false, false, false, true, true,
                                   true, false, true, true, true, false};
static const Situation BetweenTurns{"between turns", false, true, true, false, false,
                                    false, false, false, false, true, true};
static const Situation GameOver{"idle after game over", true, false, false, false, false,
                                false, true, false, false, false, true};

class TestGame : public QObject {
    Q_OBJECT

    std::unique_ptr<TestUtil::ConfigDir> m_config;
    std::unique_ptr<App> m_app;
    std::unique_ptr<TestUtil::SoundLog> m_sounds;
    Window1 *w = nullptr;

    // Seeds the config folder and opens the main window on it.
    void open(const QByteArray &dictionary, const QByteArray &prefs = "True\n60\n") {
        QVERIFY(TestUtil::writeBytes(m_config->file(Storage::DictionaryFile), dictionary));
        QVERIFY(TestUtil::writeBytes(m_config->file(Storage::PreferencesFile), prefs));
        // Ten rows scoring 0: any positive total enters the table.
        QByteArray scores;
        for (int i = 0; i < 10; ++i)
            scores += "Nobody\t0\n";
        QVERIFY(TestUtil::writeBytes(m_config->file(Storage::ScoresFile), scores));
        w = Window1::instance();
        QVERIFY(w);
    }

    void checkSituation(const Situation &s) {
        const QByteArray where = QByteArray("in situation: ") + s.name;
        QVERIFY2(w->StartGame->isEnabled(), where);
        QVERIFY2(w->StartGame->isDefault() == s.startGameDefault, where);
        QVERIFY2(w->StartTurn->isEnabled() == s.startTurnEnabled, where);
        QVERIFY2(w->StartTurn->isDefault() == s.startTurnDefault, where);
        QVERIFY2(w->Enter->isEnabled() == s.enterEnabled, where);
        QVERIFY2(w->Enter->isDefault() == s.enterDefault, where);
        QVERIFY2(w->YourWord->isEnabled() == s.yourWordEnabled, where);
        QVERIFY2(w->GroupBox1->isEnabled() == s.groupEnabled, where);
        QVERIFY2(w->Timer1->isActive() == s.timerRunning, where);
        QVERIFY2(w->SecondsLeft->isVisible() == s.secondsShown, where);
        QVERIFY2(w->Turn->isVisible() == s.turnShown, where);
        QVERIFY2(w->StaticText8->isVisible() == s.turnShown, where);
        QVERIFY2(w->Banner2->isVisible() == s.wordWasShown, where);
        QVERIFY2(w->Answer->isVisible() == s.wordWasShown, where);
        if (s.enterEnabled)
            QVERIFY2(w->focusWidget() == w->YourWord, where);
    }

    // Ticks the countdown to its end; returns the number of ticks.
    int runOutTurn() {
        int ticks = 0;
        while (w->Timer1->isActive() && ticks < 1000) {
            w->Timer1_Action();
            ++ticks;
        }
        return ticks;
    }

    void enter(const QString &text) {
        w->YourWord->setText(text);
        w->Enter_Action();
    }

    bool bannerShows(const QString &text) const {
        return w->Banner->isVisible() && w->Banner->text() == text;
    }

private slots:
    void initTestCase() {
        Fonts::installSubstitutions();
        m_app = std::make_unique<App>();
    }

    void init() {
        m_config = std::make_unique<TestUtil::ConfigDir>();
        m_sounds = std::make_unique<TestUtil::SoundLog>();
        Module1::reset();
        Module1::R = std::make_unique<Random>(20240611u);
    }

    void cleanup() {
        TestUtil::closeAllWindows();
        w = nullptr;
        m_sounds.reset();
        m_config.reset();
    }

    // Five turns with correct words, every situation of the table in turn.
    void wholeGame() {
        open("cat\n", "True\n30\n");
        checkSituation(IdleAtLaunch);
        QVERIFY(!w->Banner->isVisible());
        QCOMPARE(w->LetterPot->text(), QString());
        QCOMPARE(w->YourWord->text(), QString());
        QCOMPARE(w->NWords->text(), QStringLiteral("0"));
        QCOMPARE(w->NPoints->text(), QStringLiteral("0"));
        QCOMPARE(w->TPoints->text(), QStringLiteral("0"));
        QVERIFY(w->RadioButton3->isChecked());

        w->StartGame_Action();
        for (int turn = 1; turn <= 5; ++turn) {
            w->BannerTimer_Action(); // the last turn's banner has gone by now
            checkSituation(TurnRunning);
            QCOMPARE(NoTurn, turn);
            QCOMPARE(w->Turn->text(), QString::number(turn));
            QCOMPARE(w->SecondsLeft->text(), QStringLiteral("30"));
            QVERIFY(w->LetterPot->text() != QStringLiteral("cat"));
            // Two correct words this turn (the only word comes back each time).
            enter(QStringLiteral("cat"));
            enter(QStringLiteral("cat"));
            QCOMPARE(w->NWords->text(), QStringLiteral("2"));
            QCOMPARE(w->NPoints->text(), QStringLiteral("26"));
            QCOMPARE(TotalPoints, 26 * turn);
            QCOMPARE(w->TPoints->text(), QString::number(26 * turn));
            QVERIFY(!w->Banner->isVisible()); // a correct word shows no banner

            QCOMPARE(runOutTurn(), 30);
            QCOMPARE(w->Answer->text(), QStringLiteral("cat"));
            if (turn < 5) {
                checkSituation(BetweenTurns);
                QVERIFY(bannerShows(QStringLiteral("Time's Up!")));
                w->StartTurn_Action();
                QCOMPARE(w->NWords->text(), QStringLiteral("0"));
                QCOMPARE(w->NPoints->text(), QStringLiteral("0"));
                QCOMPARE(WordCount, 0);
                QCOMPARE(NumberPoints, 0);
            }
        }
        checkSituation(GameOver);
        QVERIFY(bannerShows(QStringLiteral("Game Over!")));
        QCOMPARE(TotalPoints, 130);
        QVERIFY(NewHighScoreFlag);
        QCOMPARE(m_sounds->played,
                 QStringList({"Microwave", "Microwave", "Microwave", "Microwave", "Microwave",
                              "OK3"}));
        QVERIFY(Congratulations::existing());
        QVERIFY(Congratulations::existing()->isVisible());

        // The banner hides itself one period later.
        QVERIFY(w->BannerTimer->isActive());
        QVERIFY(w->BannerTimer->isSingleShot());
        w->BannerTimer_Action();
        QVERIFY(!w->Banner->isVisible());

        // End Game from game over: the last word goes, the totals read 0.
        w->EndGame_Action();
        QVERIFY(!w->Banner2->isVisible());
        QCOMPARE(w->TPoints->text(), QStringLiteral("0"));
    }

    void gameOverWithNothingScored() {
        open("cat\n");
        w->StartGame_Action();
        for (int turn = 1; turn < 5; ++turn) {
            runOutTurn();
            w->StartTurn_Action();
        }
        runOutTurn();
        checkSituation(GameOver);
        QVERIFY(!NewHighScoreFlag);
        QVERIFY(bannerShows(QStringLiteral("Game Over!")));
        QCOMPARE(m_sounds->played, QStringList(5, QStringLiteral("Microwave")));
        QVERIFY(!Congratulations::existing());
    }

    void soundOffPlaysNothingButCongratulates() {
        open("cat\n", "False\n30\n");
        w->StartGame_Action();
        enter(QStringLiteral("cat"));
        for (int turn = 1; turn < 5; ++turn) {
            runOutTurn();
            w->StartTurn_Action();
        }
        runOutTurn();
        QVERIFY(NewHighScoreFlag);
        QVERIFY(m_sounds->played.isEmpty());
        QVERIFY(Congratulations::existing());
    }

    // With the real sounds and no audio device to play them, the end of a
    // turn still goes on to the next situation.
    void soundThatCannotPlayDoesNotStall() {
        m_sounds.reset();
        open("cat\n", "True\n30\n");
        w->StartGame_Action();
        for (int turn = 1; turn < 5; ++turn) {
            runOutTurn();
            checkSituation(BetweenTurns);
            w->StartTurn_Action();
        }
        enter(QStringLiteral("cat"));
        runOutTurn();
        checkSituation(GameOver);
        QVERIFY(Congratulations::existing());
    }

    void entries_data() {
        QTest::addColumn<QString>("pot");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("banner"); // empty: the word scores
        QTest::addColumn<int>("points");

        QTest::newRow("cat") << "tca" << "cat" << "cat" << "" << 13;
        QTest::newRow("act") << "tca" << "cat" << "act" << "Not my word!" << 0;
        QTest::newRow("ca") << "tca" << "cat" << "ca" << "Nope!" << 0;
        QTest::newRow("cab") << "tca" << "cat" << "cab" << "Missing Letters!" << 0;
        QTest::newRow("empty") << "tca" << "cat" << "" << "Nope!" << 0;
        QTest::newRow("trailing space") << "tca" << "cat" << "cat " << "Nope!" << 0;
        QTest::newRow("capitals") << "tca" << "cat" << "CAT" << "" << 13;
        QTest::newRow("added") << "dedad" << "added" << "added" << "" << 15;
        QTest::newRow("addeed") << "dedad" << "added" << "addeed" << "Nope!" << 0;
        QTest::newRow("addde") << "dedad" << "added" << "addde" << "Not my word!" << 0;
        QTest::newRow("aaded") << "dedad" << "added" << "aaded" << "Missing Letters!" << 0;
        // é written as e plus a combining accent is one letter.
        QTest::newRow("combining accent")
            << QStringLiteral("e\u0301fac") << QStringLiteral("cafe\u0301")
            << QStringLiteral("cafe\u0301") << "" << 14;
        QTest::newRow("accent split off")
            << QStringLiteral("e\u0301fac") << QStringLiteral("cafe\u0301")
            << QStringLiteral("cafe") << "Missing Letters!" << 0;
    }

    void entries() {
        QFETCH(QString, pot);
        QFETCH(QString, word);
        QFETCH(QString, entry);
        QFETCH(QString, banner);
        QFETCH(int, points);

        open("cat\n");
        w->StartGame_Action();
        w->LetterPot->setText(pot);
        X = word;
        enter(entry);

        QCOMPARE(w->YourWord->text(), QString());
        QCOMPARE(TotalPoints, points);
        QCOMPARE(NumberPoints, points);
        QCOMPARE(w->TPoints->text(), QString::number(points));
        QCOMPARE(w->NPoints->text(), QString::number(points));
        if (banner.isEmpty()) {
            QVERIFY(!w->Banner->isVisible());
            QCOMPARE(WordCount, 1);
            QCOMPARE(w->NWords->text(), QStringLiteral("1"));
            // The next word of the dictionary, scrambled.
            QCOMPARE(X, QStringLiteral("cat"));
            QVERIFY(w->LetterPot->text() != QStringLiteral("cat"));
        } else {
            QVERIFY(bannerShows(banner));
            QCOMPARE(w->LetterPot->text(), pot);
            QCOMPARE(X, word);
            QCOMPARE(WordCount, 0);
        }
        checkSituation(TurnRunning);
    }

    void countdownFromSixty() {
        open("cat\n", "False\n60\n");
        w->StartGame_Action();
        QCOMPARE(w->SecondsLeft->text(), QStringLiteral("60"));
        QCOMPARE(w->Timer1->interval(), 1000);
        QVERIFY(!w->Timer1->isSingleShot());
        for (int left = 59; left >= 1; --left) {
            w->Timer1_Action();
            QCOMPARE(w->SecondsLeft->text(), QString::number(left));
            QVERIFY(w->Timer1->isActive());
            QVERIFY(w->SecondsLeft->isVisible());
        }
        w->Timer1_Action(); // the sixtieth tick ends the turn
        QCOMPARE(Seconds, 0);
        QVERIFY(!w->Timer1->isActive());
        QVERIFY(!w->SecondsLeft->isVisible());
        QVERIFY(bannerShows(QStringLiteral("Time's Up!")));
        checkSituation(BetweenTurns);
    }

    void turnLengthWithoutStoredChoiceIsSixty() {
        open("cat\n", "True\n45\n");
        QVERIFY(!w->TurnLengths->checkedButton());
        w->StartGame_Action();
        QCOMPARE(Seconds, 60);
        QCOMPARE(w->SecondsLeft->text(), QStringLiteral("60"));
        QVERIFY(w->RadioButton2->isChecked());
        QCOMPARE(runOutTurn(), 60);
    }

    void startGameMidTurn() {
        open("cat\n", "False\n90\n");
        w->StartGame_Action();
        runOutTurn();
        w->StartTurn_Action();
        enter(QStringLiteral("cat"));
        for (int i = 0; i < 10; ++i)
            w->Timer1_Action();
        QCOMPARE(TotalPoints, 13);
        QCOMPARE(NoTurn, 2);

        w->StartGame_Action();
        checkSituation(TurnRunning);
        QCOMPARE(NoTurn, 1);
        QCOMPARE(w->Turn->text(), QStringLiteral("1"));
        QCOMPARE(TotalPoints, 0);
        QCOMPARE(w->TPoints->text(), QStringLiteral("0"));
        QCOMPARE(w->NWords->text(), QStringLiteral("0"));
        QCOMPARE(Seconds, 90);
        QCOMPARE(w->SecondsLeft->text(), QStringLiteral("90"));
        QVERIFY(!w->LetterPot->text().isEmpty());
    }

    // Start Game between turns leaves Start Turn enabled; Return still
    // presses Enter, the default of the running turn.
    void startGameBetweenTurns() {
        open("cat\n", "False\n30\n");
        w->StartGame_Action();
        runOutTurn();
        checkSituation(BetweenTurns);
        w->StartGame_Action();
        QVERIFY(w->StartTurn->isEnabled());
        QVERIFY(w->Enter->isDefault());
        QCOMPARE(NoTurn, 1);
        w->YourWord->setText(QStringLiteral("cat"));
        QTest::keyClick(w->YourWord, Qt::Key_Return);
        QCOMPARE(TotalPoints, 13);
        QCOMPARE(NoTurn, 1);
    }

    void endGameMidTurn() {
        open("cat\n", "True\n30\n");
        w->StartGame_Action();
        enter(QStringLiteral("cat"));
        w->Timer1_Action();
        w->EndGame_Action();

        QCOMPARE(WordCount, 0);
        QCOMPARE(NumberPoints, 0);
        QCOMPARE(TotalPoints, 0);
        for (QLabel *counter : {w->NWords, w->NPoints, w->TPoints})
            QCOMPARE(counter->text(), QStringLiteral("0"));
        QCOMPARE(w->LetterPot->text(), QString());
        QCOMPARE(w->YourWord->text(), QString());
        QVERIFY(!w->Timer1->isActive());
        QVERIFY(!w->SecondsLeft->isVisible());
        QVERIFY(w->StartGame->isDefault());
        QVERIFY(!w->Enter->isEnabled());
        QVERIFY(!w->Enter->isDefault());
        QVERIFY(!w->YourWord->isEnabled());
        QVERIFY(w->GroupBox1->isEnabled());
        QVERIFY(!w->Banner2->isVisible());
        QVERIFY(!w->Answer->isVisible());
        // Left as they were.
        QCOMPARE(NoTurn, 1);
        QCOMPARE(w->Turn->text(), QString());
        QVERIFY(w->Turn->isVisible());
        QVERIFY(w->StaticText8->isVisible());
        QVERIFY(!w->StartTurn->isEnabled());
        // Nothing filed, nothing played.
        QVERIFY(!NewHighScoreFlag);
        QVERIFY(m_sounds->played.isEmpty());
        QVERIFY(!Congratulations::existing());
    }

    void endGameBetweenTurns() {
        open("cat\n", "False\n30\n");
        w->StartGame_Action();
        enter(QStringLiteral("cat"));
        runOutTurn();
        w->EndGame_Action();
        QVERIFY(w->StartTurn->isEnabled());
        QVERIFY(!w->Banner2->isVisible());
        QCOMPARE(w->TPoints->text(), QStringLiteral("0"));

        w->StartTurn_Action();
        // Start Turn leaves the turn-length choice as End Game left it:
        // open, for the turns after this one.
        QVERIFY(w->GroupBox1->isEnabled());
        w->GroupBox1->setEnabled(false);
        checkSituation(TurnRunning);
        QCOMPARE(NoTurn, 2);
        QCOMPARE(w->Turn->text(), QStringLiteral("2"));
        QCOMPARE(TotalPoints, 0);
        QCOMPARE(WordCount, 0);
        QVERIFY(!w->LetterPot->text().isEmpty());

        // At the end of that turn Return presses Start Turn, not Start Game.
        runOutTurn();
        QTest::keyClick(w, Qt::Key_Return);
        QCOMPARE(NoTurn, 3);
        QVERIFY(w->Enter->isDefault());
        QVERIFY(!w->StartGame->isDefault());
    }

    void emptyDictionary() {
        TestUtil::MessageBoxes boxes;
        open("");
        QCOMPARE(Maintenance::instance()->words().count(), 0);
        w->StartGame_Action();

        QCOMPARE(boxes.seen.size(), 1);
        QCOMPARE(boxes.seen[0].text, EmptyDictionaryMessage);
        QCOMPARE(boxes.seen[0].title, QString());
        QCOMPARE(boxes.seen[0].buttons, QStringList{QStringLiteral("OK")});
        Maintenance *m = Maintenance::existing();
        QVERIFY(m && m->isVisible());
        QCOMPARE(m->pos(), QPoint(699, 70));

        QVERIFY(!w->Timer1->isActive());
        QVERIFY(!w->SecondsLeft->isVisible());
        QCOMPARE(w->Turn->text(), QStringLiteral("1"));
        QVERIFY(w->Enter->isEnabled());
        QVERIFY(!w->GroupBox1->isEnabled());
        QCOMPARE(w->LetterPot->text(), QString());

        // Nothing scores against the empty pot, not even an empty entry.
        enter(QString());
        QVERIFY(bannerShows(QStringLiteral("Nope!")));
        QCOMPARE(TotalPoints, 0);
        QCOMPARE(WordCount, 0);

        // With a word added, Start Game starts properly.
        m->words().append(QStringLiteral("cat"));
        w->StartGame_Action();
        QCOMPARE(boxes.seen.size(), 1);
        checkSituation(TurnRunning);
    }

    // Emptied during a turn: the countdown of the abandoned game stops too.
    void emptyDictionaryMidTurn() {
        TestUtil::MessageBoxes boxes;
        open("cat\n");
        w->StartGame_Action();
        w->Timer1_Action();
        Maintenance::instance()->words().clear();
        w->StartGame_Action();
        QCOMPARE(boxes.seen.size(), 1);
        QVERIFY(!w->Timer1->isActive());
        QVERIFY(!w->SecondsLeft->isVisible());
    }

    void dictionaryEmptiedDuringTurn() {
        open("cat\n", "False\n30\n");
        w->StartGame_Action();
        Maintenance::instance()->words().clear();
        enter(QStringLiteral("cat"));
        QCOMPARE(TotalPoints, 13);
        QCOMPARE(w->LetterPot->text(), QString());
        enter(QString());
        QVERIFY(bannerShows(QStringLiteral("Nope!")));
        QCOMPARE(TotalPoints, 13);
        // The turn still ends, and the next turn starts without a word.
        runOutTurn();
        w->StartTurn_Action();
        QCOMPARE(w->LetterPot->text(), QString());
        QCOMPARE(NoTurn, 2);
    }

    // Rows exist but none can be scrambled: the turn runs with an empty pot.
    void noScramblableWord() {
        open("aa\nb\n", "False\n30\n");
        w->StartGame_Action();
        QCOMPARE(w->LetterPot->text(), QString());
        QVERIFY(w->Timer1->isActive());
        enter(QString());
        QVERIFY(bannerShows(QStringLiteral("Nope!")));
        QCOMPARE(TotalPoints, 0);
    }

    void enterBeforeFirstGameDoesNothing() {
        open("cat\n");
        QVERIFY(!w->Enter->isEnabled());
        QVERIFY(!w->YourWord->isEnabled());
        // Return presses Start Game, the default.
        QTest::keyClick(w, Qt::Key_Return);
        checkSituation(TurnRunning);
    }

    void potIsReadOnlyButCopyable() {
        open("cat\n");
        w->StartGame_Action();
        const QString pot = w->LetterPot->text();
        QVERIFY(w->LetterPot->isReadOnly());
        QTest::keyClicks(w->LetterPot, QStringLiteral("xyz"));
        QCOMPARE(w->LetterPot->text(), pot);
        w->LetterPot->selectAll();
        QCOMPARE(w->LetterPot->selectedText(), pot);
        w->LetterPot->copy();
        QCOMPARE(QApplication::clipboard()->text(), pot);
    }

    void layout_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        const struct {
            const char *name;
            QRect rect;
        } controls[] = {
            {"LetterPot", {70, 136, 300, 32}},   {"StaticText1", {169, 108, 100, 20}},
            {"YourWord", {70, 206, 300, 30}},    {"StaticText2", {172, 179, 100, 20}},
            {"Enter", {180, 248, 80, 20}},       {"StaticText3", {215, 280, 125, 20}},
            {"NWords", {346, 280, 35, 20}},      {"StaticText5", {218, 314, 120, 20}},
            {"NPoints", {346, 314, 35, 20}},     {"StaticText", {217, 348, 120, 20}},
            {"TPoints", {346, 348, 35, 20}},     {"EndGame", {244, 383, 100, 20}},
            {"StartGame", {92, 22, 100, 20}},    {"StartTurn", {248, 22, 100, 20}},
            {"Banner", {132, 66, 180, 30}},      {"StaticText8", {118, 509, 152, 20}},
            {"Turn", {280, 509, 30, 20}},        {"GroupBox1", {51, 289, 144, 107}},
            {"RadioButton1", {58, 314, 100, 20}}, {"RadioButton2", {58, 337, 100, 20}},
            {"RadioButton3", {58, 360, 100, 20}}, {"SecondsLeft", {207, 22, 30, 20}},
            {"Banner2", {137, 425, 170, 27}},    {"Answer", {70, 463, 300, 32}},
        };
        for (const auto &c : controls)
            QTest::newRow(c.name) << QString::fromLatin1(c.name) << c.rect;
    }

    // Positions in the window's content area; every control has a name a
    // screen reader can say once a turn runs.
    void layout() {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        open("cat\n");
        QWidget *content = w->centralWidget();
        QCOMPARE(content->size(), QSize(440, 550));
        QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(w->windowFlags() & Qt::WindowMinimizeButtonHint);
        QCOMPARE(w->windowTitle(), QStringLiteral("Tumblewick"));

        auto *control = w->findChild<QWidget *>(name);
        QVERIFY(control);
        const QRect inContent(control->mapTo(content, QPoint(0, 0)), control->size());
        QCOMPARE(inContent, rect);

        w->StartGame_Action();
        enter(QStringLiteral("dog"));
        w->Timer1_Action();
        if (control->isVisible()) {
            QAccessibleInterface *a = QAccessible::queryAccessibleInterface(control);
            QVERIFY(a);
            QVERIFY2(!a->text(QAccessible::Name).isEmpty(), qPrintable(name));
        }
    }

    void coloursAndFonts() {
        open("cat\n");
        const QColor red(0xFF, 0x02, 0x14);
        for (QLabel *l : {w->Banner, w->Banner2, w->Answer})
            QCOMPARE(l->palette().color(QPalette::WindowText), red);
        QCOMPARE(w->SecondsLeft->palette().color(QPalette::WindowText), QColor(0x1A, 0x0A, 0xFF));
        QCOMPARE(w->LetterPot->font().family(), QStringLiteral("Helvetica Neue"));
        QCOMPARE(w->LetterPot->font().pixelSize(), 22);
        QCOMPARE(w->StaticText8->font().pixelSize(), 20);
        QVERIFY(w->StaticText3->font().bold());
        QVERIFY(w->StartGame->font().bold());
        QVERIFY(!w->RadioButton1->font().bold());
        // Where the face is missing, a close one of the same kind is used.
        // (Qt may add the foundry: "Nimbus Sans [urw]".)
        const QString used = QFontInfo(w->LetterPot->font()).family().section(QStringLiteral(" ["), 0, 0);
        QVERIFY2(QStringList({"Helvetica Neue", "Nimbus Sans", "Liberation Sans", "Helvetica",
                              "Arial"})
                     .contains(used),
                 qPrintable(used));
    }
};

QTEST_MAIN(TestGame)
#include "test_game.moc"
