// The preferences file: read once when the main window opens, written once
// when it closes.
#include "testutil.h"

#include "app/App.h"
#include "game/Module1.h"
#include "game/Window1.h"

#include <QAction>
#include <QButtonGroup>
#include <QRadioButton>

class TestPreferences : public QObject {
    Q_OBJECT

    std::unique_ptr<TestUtil::ConfigDir> m_config;
    std::unique_ptr<App> m_app;

    QString prefsPath() const { return m_config->file(Storage::PreferencesFile); }

    Window1 *open() {
        Module1::reset();
        // A small dictionary keeps the start-up quick.
        TestUtil::writeBytes(m_config->file(Storage::DictionaryFile), "cat\n");
        return Window1::instance();
    }

    // The selected turn length as the caption of its button, "" for none.
    static QString selectedLength(Window1 *w) {
        QAbstractButton *b = w->TurnLengths->checkedButton();
        return b ? b->text() : QString();
    }

    static void checkSound(bool on) {
        QCOMPARE(Module1::SoundFlag, on);
        QAction *onItem = App::menuItem(QStringLiteral("SoundSoundOn"));
        QAction *offItem = App::menuItem(QStringLiteral("SoundSoundOff"));
        QVERIFY(onItem && offItem);
        QCOMPARE(onItem->isChecked(), on);
        QCOMPARE(offItem->isChecked(), !on);
    }

private slots:
    void initTestCase() { m_app = std::make_unique<App>(); }
    void init() { m_config = std::make_unique<TestUtil::ConfigDir>(); }
    void cleanup() {
        TestUtil::closeAllWindows();
        m_config.reset();
    }

    void load_data() {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("sound");
        QTest::addColumn<QString>("length");
        QTest::addColumn<QByteArray>("afterLoad"); // the file as the load leaves it

        QTest::newRow("first launch") << false << QByteArray() << true << "60"
                                      << QByteArray("True\n60\n");
        QTest::newRow("False and 30") << true << QByteArray("False\n30\n") << false << "30"
                                      << QByteArray("False\n30\n");
        QTest::newRow("True and 90") << true << QByteArray("True\n90\n") << true << "90"
                                     << QByteArray("True\n90\n");
        QTest::newRow("yes") << true << QByteArray("yes\n60\n") << false << "60"
                             << QByteArray("yes\n60\n");
        QTest::newRow("lower-case true") << true << QByteArray("true\n60\n") << false << "60"
                                         << QByteArray("true\n60\n");
        QTest::newRow("45") << true << QByteArray("True\n45\n") << true << ""
                            << QByteArray("True\n45\n");
        QTest::newRow("trailing space") << true << QByteArray("True\n60 \n") << true << ""
                                        << QByteArray("True\n60 \n");
        QTest::newRow("one line") << true << QByteArray("True\n") << true << ""
                                  << QByteArray("True\n");
        QTest::newRow("one line, no end") << true << QByteArray("False") << false << ""
                                          << QByteArray("False");
        QTest::newRow("empty file") << true << QByteArray() << false << "" << QByteArray();
        QTest::newRow("CRLF") << true << QByteArray("False\r\n90\r\n") << false << "90"
                              << QByteArray("False\r\n90\r\n");
        QTest::newRow("extra lines") << true << QByteArray("True\n30\n90\nmore\n") << true
                                     << "30" << QByteArray("True\n30\n90\nmore\n");
    }

    void load() {
        QFETCH(bool, exists);
        QFETCH(QByteArray, content);
        QFETCH(bool, sound);
        QFETCH(QString, length);
        QFETCH(QByteArray, afterLoad);

        if (exists)
            QVERIFY(TestUtil::writeBytes(prefsPath(), content));
        Window1 *w = open();
        checkSound(sound);
        QCOMPARE(selectedLength(w), length);
        QVERIFY(QFile::exists(prefsPath()));
        QCOMPARE(TestUtil::readBytes(prefsPath()), afterLoad);
    }

    void save_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("soundOn");        // the Sound menu choice made
        QTest::addColumn<QString>("choose");      // the radio button clicked, "" none
        QTest::addColumn<QByteArray>("written");

        QTest::newRow("sound off, 90") << QByteArray("True\n60\n") << false << "90"
                                       << QByteArray("False\n90\n");
        QTest::newRow("sound on, 30") << QByteArray("False\n90\n") << true << "30"
                                      << QByteArray("True\n30\n");
        QTest::newRow("no length chosen") << QByteArray("True\n45\n") << true << ""
                                          << QByteArray("True\n\n");
        QTest::newRow("extra lines dropped") << QByteArray("False\r\n60\r\nx\r\n") << false
                                             << "" << QByteArray("False\n60\n");
    }

    // Choices change only memory; closing the main window writes exactly
    // two lines, and the next launch starts from them.
    void save() {
        QFETCH(QByteArray, content);
        QFETCH(bool, soundOn);
        QFETCH(QString, choose);
        QFETCH(QByteArray, written);

        QVERIFY(TestUtil::writeBytes(prefsPath(), content));
        Window1 *w = open();
        if (soundOn)
            App::instance()->_SoundSoundOn_Action();
        else
            App::instance()->_SoundSoundOff_Action();
        const QString before = selectedLength(w);
        for (QAbstractButton *b : w->TurnLengths->buttons())
            if (b->text() == choose)
                b->click();
        QCOMPARE(TestUtil::readBytes(prefsPath()), content);

        w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(TestUtil::readBytes(prefsPath()), written);

        Window1 *again = open();
        checkSound(soundOn);
        QCOMPARE(selectedLength(again), choose.isEmpty() ? before : choose);
    }

    void fileDeletedWhileRunningIsWrittenOnClose() {
        QVERIFY(TestUtil::writeBytes(prefsPath(), "False\n30\n"));
        Window1 *w = open();
        QVERIFY(QFile::remove(prefsPath()));
        w->close();
        QCOMPARE(TestUtil::readBytes(prefsPath()), QByteArray("False\n30\n"));
    }

    // A preferences folder that cannot be written: the defaults are used,
    // nothing stops, and the failure is told once.
    void unwritableFolder() {
        TestUtil::MessageBoxes boxes;
        const QString blocked = m_config->path() + QStringLiteral("/blocked");
        QVERIFY(TestUtil::writeBytes(blocked, "a file where a folder should be"));
        TestUtil::ConfigAt config(blocked);
        Window1 *w = open();
        checkSound(true);
        QCOMPARE(selectedLength(w), QStringLiteral("60"));
        w->close();
        QVERIFY(!QFile::exists(blocked + QStringLiteral("/tumblewick.txt")));
    }
};

QTEST_MAIN(TestPreferences)
#include "test_preferences.moc"
