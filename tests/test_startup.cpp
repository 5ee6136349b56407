#include "app/App.h"
#include "dictionary/Maintenance.h"
#include "game/Window1.h"
#include "scores/GameScores.h"
#include "testutil.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenuBar>
#include <QElapsedTimer>

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void cleanup() {
        TestUtil::closeAllWindows();
        Module1::reset();
    }

    void onlyTheMainWindowIsVisible() {
        TestUtil::ConfigDir dir;
        App app;
        Window1 *w = Window1::instance();
        app.Event_Open();
        QVERIFY(Module1::R);
        QCOMPARE(w->windowTitle(), QStringLiteral("Tumblewick"));
        QVERIFY(w->isVisible());

        Maintenance *m = Maintenance::existing();
        QVERIFY(m && m->isHidden());
        QCOMPARE(m->pos(), QPoint(699, 70));
        QCOMPARE(m->words().count(), 29394); // loaded once, not twice
        GameScores *g = GameScores::existing();
        QVERIFY(g && g->isHidden());
        QCOMPARE(g->pos(), QPoint(475, 70));
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top->isVisible())
                QVERIFY2(top == w, qPrintable(top->objectName()));
        QVERIFY(QFile::exists(dir.file("tumblewickdictionary.txt")));
    }

    void closingTheMainWindowSavesTheHiddenDictionary() {
        TestUtil::ConfigDir dir;
        App app;
        Window1 *w = Window1::instance();
        Maintenance::existing()->words().clear();
        Maintenance::existing()->words().append(std::string("solo"));
        w->close();
        QVERIFY(!Maintenance::existing());
        QCOMPARE(TestUtil::readBytes(dir.file("tumblewickdictionary.txt")), QByteArray("solo\n"));
    }

    void soundCommandsKeepOneCheckMark() {
        TestUtil::ConfigDir dir;
        App app;
        Window1::instance();
        QAction *on = App::menuItem("SoundSoundOn");
        QAction *off = App::menuItem("SoundSoundOff");
        QVERIFY(on && off);
        for (bool turnOn : {true, true, false, false, true}) {
            turnOn ? app._SoundSoundOn_Action() : app._SoundSoundOff_Action();
            QCOMPARE(Module1::SoundFlag, turnOn);
            QCOMPARE(on->isChecked(), turnOn);
            QCOMPARE(off->isChecked(), !turnOn);
        }
    }

    void soundsAreBuiltIn() {
        for (Sound *s : {&App::Microwave(), &App::OK3()}) {
            QVERIFY2(s->durationMs() > 100 && s->durationMs() < 3000, qPrintable(s->name()));
            // Same object on every call.
            QCOMPARE(&App::Microwave(), &App::Microwave());
        }
        QCOMPARE(wavDurationMs("not a wav"), 0);
        QCOMPARE(wavDurationMs(QByteArray()), 0);
    }

    void playingWithoutADeviceNeverHangs() {
        // Real playback: with or without an audio device it returns, bounded
        // by the sound's own length.
        QElapsedTimer t;
        t.start();
        App::OK3().PlayToEnd();
        QVERIFY(t.elapsed() < App::OK3().durationMs() + 5000);
    }

    void versions() {
        QCOMPARE(App::ShortVersion(), QStringLiteral("1.6.0"));
        QCOMPARE(QString("%1.%2.%3").arg(App::MajorVersion).arg(App::MinorVersion).arg(App::BugVersion),
                 App::ShortVersion());
        QVERIFY(App::LongVersion().startsWith("1.6.0 "));
        QVERIFY(App::LongVersion().size() > 6);
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
