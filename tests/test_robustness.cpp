// The program starts, plays and quits whatever state its config folder is in,
// and tells the user once per file what it could not save.
#include "testutil.h"

#include "app/App.h"
#include "dictionary/Maintenance.h"
#include "game/Scrambler.h"
#include "game/Window1.h"
#include "scores/GameScores.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QPushButton>
#include <QRandomGenerator>

namespace {

// Plays one correct word, the whole countdown of a turn, and quits.
void playAndQuit(Window1 *w) {
    w->StartGame_Action();
    QVERIFY(!w->LetterPot->text().isEmpty());
    const QString word = Module1::X;
    w->YourWord->setText(word);
    w->Enter_Action();
    QCOMPARE(Module1::TotalPoints, 10 + Scrambler::length(word));
    while (w->Timer1->isActive())
        w->Timer1_Action();
    QVERIFY(w->StartTurn->isEnabled());
    w->close();
    QVERIFY(!Maintenance::existing());
}

QStringList filesNamed(const TestUtil::MessageBoxes &boxes) {
    QStringList out;
    for (const auto &b : boxes.seen)
        for (const char *name : {"tumblewick.txt", "tumblewickdictionary.txt", "tumblewickscores.txt"})
            if (b.text.contains(QLatin1String("/") + QLatin1String(name) + QLatin1String("\"")))
                out << QString::fromLatin1(name);
    out.sort();
    return out;
}

} // namespace

class TestRobustness : public QObject {
    Q_OBJECT
    TestUtil::SoundLog m_sounds;

private slots:
    void cleanup() {
        TestUtil::closeAllWindows();
        Module1::reset();
    }

    void configPathIsAFile() {
        QTemporaryDir tmp;
        const QString blocker = tmp.path() + "/config";
        QVERIFY(TestUtil::writeBytes(blocker, "a file where the folder should be"));
        TestUtil::ConfigAt config(blocker);
        TestUtil::MessageBoxes boxes;
        App app;
        Window1 *w = Window1::instance();
        app.Event_Open();
        // The default list and the default settings, in memory.
        QCOMPARE(Maintenance::existing()->words().count(), 29394);
        QVERIFY(Module1::SoundFlag);
        playAndQuit(w);
        // Each file that could not be written is named once, no more.
        QCOMPARE(filesNamed(boxes), (QStringList{"tumblewick.txt", "tumblewickdictionary.txt",
                                                 "tumblewickscores.txt"}));
        QCOMPARE(boxes.seen.size(), 3);
    }

    void missingFolderIsCreated() {
        QTemporaryDir tmp;
        const QString folder = tmp.path() + "/deep/config";
        TestUtil::ConfigAt config(folder);
        TestUtil::MessageBoxes boxes;
        App app;
        playAndQuit(Window1::instance());
        QVERIFY(boxes.seen.isEmpty());
        for (const char *name : {"tumblewick.txt", "tumblewickdictionary.txt", "tumblewickscores.txt"})
            QVERIFY2(QFile::exists(folder + "/" + name), name);
    }

    void millionWordDictionary() {
        TestUtil::ConfigDir dir;
        QByteArray bytes;
        bytes.reserve(10'000'000);
        for (int i = 0; i < 1'000'000; ++i)
            bytes += "w" + QByteArray::number(i) + '\n';
        QVERIFY(TestUtil::writeBytes(dir.file("tumblewickdictionary.txt"), bytes));
        TestUtil::MessageBoxes boxes;
        App app;
        Window1 *w = Window1::instance();
        QCOMPARE(Maintenance::existing()->words().count(), 1'000'000);
        QCOMPARE(Maintenance::existing()->NumWords->text(), QStringLiteral("1,000,000"));
        playAndQuit(w);
        QCOMPARE(TestUtil::readBytes(dir.file("tumblewickdictionary.txt")), bytes);
        QVERIFY(boxes.seen.isEmpty());
    }

    void scoreFileOfRandomBytes() {
        TestUtil::ConfigDir dir;
        QByteArray noise(4096, 0);
        QRandomGenerator gen(2026);
        for (char &c : noise)
            c = char(gen.bounded(256));
        QVERIFY(TestUtil::writeBytes(dir.file("tumblewickscores.txt"), noise));
        TestUtil::MessageBoxes boxes;
        App app;
        Window1 *w = Window1::instance();
        QCOMPARE(GameScores::existing()->rowCount(), 10);
        // A first qualifying total is filed, and the file becomes ten lines.
        Module1::TotalPoints = 1'000'000;
        w->CheckScore();
        QVERIFY(Module1::NewHighScoreFlag);
        GameScores::existing()->fileEntry(QStringLiteral("NOISE"), 1'000'000);
        const QByteArray saved = TestUtil::readBytes(dir.file("tumblewickscores.txt"));
        QCOMPARE(saved.count('\n'), 10);
        QVERIFY(saved.startsWith("NOISE\t1000000\n"));
        playAndQuit(w);
        QVERIFY(boxes.seen.isEmpty());
    }
};

QTEST_MAIN(TestRobustness)
#include "test_robustness.moc"
