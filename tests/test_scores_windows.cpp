// The High Scores and Congratulations windows over the score file: loading,
// saving, editing in place, clearing, and filing the entry of a qualifying
// game through the main window's top-ten test.
#include "testutil.h"

#include "game/Window1.h"
#include "scores/Congratulations.h"
#include "scores/GameScores.h"
#include "scores/ScoreTable.h"

#include <QApplication>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>

using TestUtil::readBytes;
using TestUtil::writeBytes;

namespace {

// Ten lines "name TAB score" from "name:score|name:score|...".
QByteArray fileOf(const QString &pairsText) {
    QByteArray bytes;
    for (const QString &pair : pairsText.split(u'|'))
        bytes += (pair.section(u':', 0, 0) + u'\t' + pair.section(u':', 1) + u'\n').toUtf8();
    return bytes;
}

QString rowsOf(const GameScores *g) {
    QStringList pairs;
    for (int i = 0; i < g->rowCount(); ++i)
        pairs.append(g->nameAt(i) + u':' + g->scoreAt(i));
    return pairs.join(u'|');
}

const QByteArray FirstLaunch = QByteArray(" \t0\n").repeated(10);
const QByteArray Cleared = QByteArray("\t0\n").repeated(10);
const QString Ranked = QStringLiteral("A:90|B:80|C:70|D:60|E:50|F:40|G:30|H:20|I:10|J:5");

} // namespace

class TestScoresWindows : public QObject {
    Q_OBJECT

    std::unique_ptr<TestUtil::ConfigDir> m_config;
    QString scoresPath() const { return m_config->file(QStringLiteral("tumblewickscores.txt")); }

    // A score file in place, and the High Scores window made anew from it.
    GameScores *scoresFrom(const QByteArray &bytes) {
        if (GameScores *g = GameScores::existing()) {
            g->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        if (!bytes.isNull())
            [&] { QVERIFY(writeBytes(scoresPath(), bytes)); }();
        return GameScores::instance();
    }

    // Plays the end of a game the way the turn engine does: the top-ten test,
    // then the Congratulations window for a qualifying total.
    static void endGame(qint32 total) {
        Module1::TotalPoints = total;
        Module1::NewHighScoreFlag = false;
        Window1::instance()->CheckScore();
        if (Module1::NewHighScoreFlag)
            Congratulations::showNewHighScore(Module1::TotalPoints);
    }

    // Double-clicks a cell of the list and returns the in-place editor, if any.
    static QLineEdit *editCell(GameScores *g, int row, int column) {
        QTableView *view = g->HighScores;
        const QRect cell = view->visualRect(g->HighScores->model()->index(row, column));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
        return view->findChild<QLineEdit *>();
    }

private slots:
    void init() {
        m_config = std::make_unique<TestUtil::ConfigDir>();
        Module1::reset();
    }
    void cleanup() {
        TestUtil::closeAllWindows();
        m_config.reset();
    }

    void firstLaunchCreatesTheFile() {
        QVERIFY(!QFile::exists(scoresPath()));
        GameScores *g = GameScores::instance();
        QCOMPARE(readBytes(scoresPath()), FirstLaunch);
        QVERIFY(g->isVisible());
        QCOMPARE(rowsOf(g), QStringLiteral(" :0| :0| :0| :0| :0| :0| :0| :0| :0| :0"));
    }

    void readsAnyFileAndSavesItWellFormed_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("rows");
        QTest::newRow("three lines")
            << QByteArray("A\t3\nB\t2\nC\t1\n") << "A:3|B:2|C:1|:|:|:|:|:|:|:";
        QTest::newRow("no final line end") << QByteArray("A\t3\nB\t2") << "A:3|B:2|:|:|:|:|:|:|:|:";
        QTest::newRow("twelve lines")
            << QByteArray("A\t12\nB\t11\nC\t10\nD\t9\nE\t8\nF\t7\nG\t6\nH\t5\nI\t4\nJ\t3\n"
                          "K\t2\nL\t1\n")
            << "A:12|B:11|C:10|D:9|E:8|F:7|G:6|H:5|I:4|J:3";
        QTest::newRow("TAB-less, second TAB, not a number, blank")
            << QByteArray("PLAYER3\nX\t4\tjunk\nY\tabc\n\n\t\nZ\t 7\n") << "PLAYER3:|X:4|Y:abc|:|:|Z: 7|:|:|:|:";
        QTest::newRow("CRLF") << QByteArray("A\t3\r\nB\t2\r\n \t0\r\n")
                              << "A:3|B:2| :0|:|:|:|:|:|:|:";
        QTest::newRow("UTF-8 names") << QByteArray("J\xc3\xa9r\xc3\xb4me\t5\n")
                                     << QString::fromUtf8("J\xc3\xa9r\xc3\xb4me:5|:|:|:|:|:|:|:|:|:");
        QTest::newRow("empty file") << QByteArray("") << ":|:|:|:|:|:|:|:|:|:";
    }
    void readsAnyFileAndSavesItWellFormed() {
        QFETCH(QByteArray, file);
        QFETCH(QString, rows);
        GameScores *g = scoresFrom(file);
        QCOMPARE(rowsOf(g), rows);
        QCOMPARE(g->rowCount(), 10);
        // Loading leaves the file as it is; the next save writes ten lines.
        QCOMPARE(readBytes(scoresPath()), file);
        g->saveScoresPlist();
        QCOMPARE(readBytes(scoresPath()), fileOf(rows));
    }

    // A score file that cannot be read or written is told once; the table
    // goes on in memory.
    void unusableFileIsReported() {
        QVERIFY(QDir().mkpath(scoresPath())); // a folder where the file should be
        TestUtil::MessageBoxes boxes;
        GameScores *g = GameScores::instance();
        QCOMPARE(boxes.seen.size(), 1);
        QVERIFY(boxes.seen[0].text.contains(QStringLiteral("could not read")));
        QCOMPARE(rowsOf(g), QStringLiteral(":|:|:|:|:|:|:|:|:|:"));
        g->fileEntry(QStringLiteral("Al"), 3);
        QCOMPARE(g->nameAt(0), QStringLiteral("Al"));
        QCOMPARE(boxes.seen.size(), 2);
        QVERIFY(boxes.seen[1].text.contains(QStringLiteral("could not save")));
        QVERIFY(QFileInfo(scoresPath()).isDir());
    }

    void uncreatableFileStartsFromScratch() {
        const QString blocker = m_config->file(QStringLiteral("blocker"));
        QVERIFY(writeBytes(blocker, "not a folder"));
        TestUtil::ConfigAt config(blocker);
        TestUtil::MessageBoxes boxes;
        GameScores *g = GameScores::instance();
        QCOMPARE(boxes.seen.size(), 1);
        QVERIFY(boxes.seen[0].text.contains(QStringLiteral("could not save")));
        QCOMPARE(rowsOf(g), QStringLiteral(" :0| :0| :0| :0| :0| :0| :0| :0| :0| :0"));
    }

    void highScoresWindowLayout() {
        GameScores *g = scoresFrom(fileOf(Ranked));
        QVERIFY(QTest::qWaitForWindowExposed(g));
        QCOMPARE(g->windowTitle(), QStringLiteral("High Scores"));
        QCOMPARE(g->size(), QSize(219, 256));
        QCOMPARE(g->minimumSize(), g->maximumSize());
        QVERIFY(!(g->windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));
        QTableView *list = g->findChild<QTableView *>(QStringLiteral("HighScores"));
        QVERIFY(list);
        QCOMPARE(list->geometry(), QRect(20, 20, 179, 177));
        QAbstractItemModel *m = list->model();
        QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Name"));
        QCOMPARE(m->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Score"));
        QCOMPARE(m->data(m->index(3, 0), Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
        QCOMPARE(m->data(m->index(3, 1), Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
        QVERIFY(m->flags(m->index(0, 0)) & Qt::ItemIsEditable);
        QVERIFY(!(m->flags(m->index(0, 1)) & Qt::ItemIsEditable));
        QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
        QVERIFY(list->showGrid());
        QCOMPARE(list->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(list->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QVERIFY(!list->horizontalHeader()->isHidden());
        QVERIFY(list->verticalHeader()->isHidden());
        // Columns of 65% and 35%, and every row in view without scrolling.
        const int width = list->viewport()->width();
        QVERIFY(qAbs(list->columnWidth(0) - qRound(width * 0.65)) <= 1);
        QCOMPARE(list->columnWidth(0) + list->columnWidth(1), width);
        QCOMPARE(list->rowViewportPosition(0), 0);
        QVERIFY(list->rowViewportPosition(9) + list->rowHeight(9) <= list->viewport()->height());
        QVERIFY(list->rowHeight(9) >= list->fontMetrics().height());

        QPushButton *clear = g->findChild<QPushButton *>(QStringLiteral("ClearScores"));
        QVERIFY(clear);
        QCOMPARE(clear->text(), QStringLiteral("Clear Scores"));
        QCOMPARE(clear->geometry(), QRect(59, 216, 100, 20));
        QVERIFY(clear->font().bold());
        QVERIFY(!clear->isDefault());
    }

    void congratulationsWindowLayout() {
        Congratulations *c = Congratulations::instance();
        QVERIFY(c->isVisible());
        QCOMPARE(c->windowTitle(), QStringLiteral("Congratulations!"));
        QCOMPARE(c->size(), QSize(358, 95));
        QCOMPARE(c->minimumSize(), c->maximumSize());
        QVERIFY(!(c->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(c->windowFlags() & Qt::WindowMinimizeButtonHint);
        auto *text = c->findChild<QLabel *>(QStringLiteral("StaticText1"));
        QCOMPARE(text->text(), QStringLiteral("Congratulations!  Your score is in the top ten."));
        QCOMPARE(text->geometry(), QRect(20, 20, 318, 20));
        QVERIFY(text->font().bold());
        auto *name = c->findChild<QLabel *>(QStringLiteral("StaticText2"));
        QCOMPARE(name->text(), QStringLiteral("Name:"));
        QCOMPARE(name->geometry(), QRect(40, 55, 47, 20));
        auto *field = c->findChild<QLineEdit *>(QStringLiteral("NameField"));
        QCOMPARE(field->geometry(), QRect(86, 55, 100, 22));
        QCOMPARE(field->text(), QString());
        auto *enter = c->findChild<QPushButton *>(QStringLiteral("Enter"));
        QCOMPARE(enter->text(), QStringLiteral("Enter"));
        QCOMPARE(enter->geometry(), QRect(234, 55, 80, 20));
        QVERIFY(enter->font().bold());
        QVERIFY(!enter->isDefault());
        QCOMPARE(field->nextInFocusChain(), enter);
    }

    void clearAsksFirst_data() {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("OK") << QMessageBox::Ok << Cleared;
        QTest::newRow("Cancel") << QMessageBox::Cancel << fileOf(Ranked);
    }
    void clearAsksFirst() {
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QByteArray, after);
        GameScores *g = scoresFrom(fileOf(Ranked));
        TestUtil::MessageBoxes boxes;
        boxes.answer = answer;
        g->ClearScores->click();
        QCOMPARE(boxes.seen.size(), 1);
        QCOMPARE(boxes.seen[0].text, QStringLiteral("Last chance - I'm going to clear the scores!"));
        QCOMPARE(boxes.seen[0].icon, QMessageBox::Warning);
        QCOMPARE(boxes.seen[0].title, QString());
        QCOMPARE(readBytes(scoresPath()), after);
        QCOMPARE(fileOf(rowsOf(g)), after);
        QCOMPARE(g->rowCount(), 10);
    }

    void nameEditedInPlaceIsSavedAtOnce() {
        GameScores *g = scoresFrom(fileOf(Ranked));
        SharedWindows::showWindow(g);
        QVERIFY(QTest::qWaitForWindowExposed(g));

        // The score column does not open an editor.
        QVERIFY(!editCell(g, 2, 1));
        QCOMPARE(readBytes(scoresPath()), fileOf(Ranked));

        QLineEdit *editor = editCell(g, 2, 0);
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("Carla B."));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(g->nameAt(2), QStringLiteral("Carla B."));
        QCOMPARE(readBytes(scoresPath()),
                 fileOf(QString(Ranked).replace(QStringLiteral("C:70"), QStringLiteral("Carla B.:70"))));
    }

    void pastedTabsAndLineBreaksBecomeSpaces() {
        GameScores *g = scoresFrom(fileOf(Ranked));
        SharedWindows::showWindow(g);
        QVERIFY(QTest::qWaitForWindowExposed(g));
        QLineEdit *editor = editCell(g, 0, 0);
        QVERIFY(editor);
        editor->setText(QStringLiteral("Ann\tB\r\nC"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(g->nameAt(0), QStringLiteral("Ann B  C"));
        const QByteArray file = readBytes(scoresPath());
        QCOMPARE(file.count('\n'), 10);
        QVERIFY(file.startsWith("Ann B  C\t90\nB\t80\n"));
        // Reloaded, nothing was lost.
        QCOMPARE(rowsOf(scoresFrom(QByteArray())),
                 QString(Ranked).replace(QStringLiteral("A:90"), QStringLiteral("Ann B  C:90")));
    }

    void nameFieldTakesTenLettersAndDigits() {
        Congratulations *c = Congratulations::instance();
        QTest::keyClicks(c->NameField, QStringLiteral("ab c-d_e.1234567890XYZ"));
        QCOMPARE(c->NameField->text(), QStringLiteral("abcde12345"));
    }

    void topTenTest_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<qint32>("total");
        QTest::addColumn<int>("rank"); // -1: does not enter
        QTest::newRow("first launch, 0") << FirstLaunch << 0 << -1;
        QTest::newRow("first launch, 1") << FirstLaunch << 1 << 0;
        QTest::newRow("negative") << Cleared << -4 << -1;
        QTest::newRow("equal to the tenth") << fileOf(Ranked) << 5 << -1;
        QTest::newRow("one more than the tenth") << fileOf(Ranked) << 6 << 9;
        QTest::newRow("tie ranks below older equal")
            << fileOf("A:90|B:50|C:50|D:50|E:40|F:30|G:20|H:10|I:5|J:1") << 50 << 4;
        QTest::newRow("above all") << fileOf(Ranked) << 91 << 0;
        QTest::newRow("after clear") << Cleared << 1 << 0;
        QTest::newRow("tenth not a number") << fileOf("A:9|B:8|C:7|D:6|E:5|F:4|G:3|H:2|I:1|J:x")
                                            << 1 << 9;
        QTest::newRow("hand-edited ascending")
            << fileOf("A:1|B:2|C:3|D:4|E:5|F:6|G:7|H:8|I:9|J:10") << 11 << 0;
    }
    void topTenTest() {
        QFETCH(QByteArray, file);
        QFETCH(qint32, total);
        QFETCH(int, rank);
        QVERIFY(writeBytes(scoresPath(), file));
        Window1::instance();
        GameScores *g = GameScores::existing();
        QVERIFY(g && !g->isVisible());
        const QString before = rowsOf(g);

        endGame(total);
        QCOMPARE(Module1::NewHighScoreFlag, rank >= 0);
        Congratulations *c = Congratulations::existing();
        if (rank < 0) {
            QVERIFY(!c);
            QVERIFY(!g->isVisible());
            QCOMPARE(readBytes(scoresPath()), file);
            return;
        }
        QVERIFY(c && c->isVisible());
        QTest::keyClicks(c->NameField, QStringLiteral("New"));
        QTest::keyClick(c->NameField, Qt::Key_Return);

        // The table is the old one ranked, with the new row in its place and
        // the lowest of the old rows gone; the file holds the same ten rows.
        ScoreTable expected = ScoreTable::fromLines(QString::fromUtf8(file).split(u'\n'));
        expected.insert(QStringLiteral("New"), total);
        QCOMPARE(g->table().rows(), expected.rows());
        QCOMPARE(g->nameAt(rank), QStringLiteral("New"));
        QCOMPARE(g->scoreAt(rank), QString::number(total));
        QCOMPARE(readBytes(scoresPath()), (expected.toLines().join(u'\n') + u'\n').toUtf8());
        QVERIFY(rowsOf(g) != before);
    }

    void wholeQualifyingGame() {
        Window1 *w = Window1::instance();
        GameScores *g = GameScores::existing();
        QVERIFY(g && !g->isVisible());
        QCOMPARE(readBytes(scoresPath()), FirstLaunch);

        endGame(42);
        Congratulations *c = Congratulations::existing();
        QVERIFY(c && c->isVisible());
        QCOMPARE(c->NameField->text(), QString());
        QVERIFY(!c->Enter->isDefault());
        // Until the field has changed, Return does not press Enter.
        QTest::keyClick(c->NameField, Qt::Key_Return);
        QVERIFY(c->isVisible());
        QCOMPARE(readBytes(scoresPath()), FirstLaunch);

        QTest::keyClicks(c->NameField, QStringLiteral("Zed"));
        QVERIFY(c->Enter->isDefault());
        QTest::keyClick(c->NameField, Qt::Key_Return);
        QCOMPARE(Module1::Name, QStringLiteral("Zed"));
        QVERIFY(!c->isVisible());
        QCOMPARE(Congratulations::existing(), c); // hidden, not closed
        QVERIFY(g->isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), g);
        QCOMPARE(g->nameAt(0), QStringLiteral("Zed"));
        QCOMPARE(readBytes(scoresPath()), "Zed\t42\n" + QByteArray(" \t0\n").repeated(9));

        // The next qualifying game of the run finds the name typed last, and
        // Return files it at once.
        SharedWindows::showWindow(w);
        endGame(17);
        QVERIFY(c->isVisible());
        QCOMPARE(c->NameField->text(), QStringLiteral("Zed"));
        QTest::keyClick(c->NameField, Qt::Key_Return);
        QVERIFY(!c->isVisible());
        QCOMPARE(readBytes(scoresPath()),
                 "Zed\t42\nZed\t17\n" + QByteArray(" \t0\n").repeated(8));
        QCOMPARE(g->rowCount(), 10);
    }

    void gameOfZeroShowsNothing() {
        Window1::instance();
        GameScores::existing()->close();
        endGame(0);
        QVERIFY(!Module1::NewHighScoreFlag);
        QVERIFY(!GameScores::existing());
        QVERIFY(!Congratulations::existing());
    }

    void filesTheTotalOfTheGameThatQualified() {
        Window1::instance();
        endGame(30);
        // A new game starts while the window waits for a name.
        Module1::TotalPoints = 0;
        Congratulations *c = Congratulations::existing();
        QTest::keyClicks(c->NameField, QStringLiteral("Ann"));
        c->Enter->click();
        QCOMPARE(GameScores::existing()->nameAt(0), QStringLiteral("Ann"));
        QVERIFY(readBytes(scoresPath()).startsWith("Ann\t30\n \t0\n"));
        // Once filed, the same game is not filed again.
        c->Enter->click();
        QVERIFY(readBytes(scoresPath()).startsWith("Ann\t30\n \t0\n"));
    }

    void emptyNameIsFiled() {
        Window1::instance();
        endGame(8);
        Congratulations::existing()->Enter->click();
        QVERIFY(readBytes(scoresPath()).startsWith("\t8\n \t0\n"));
    }

    void closedHighScoresComesBackOnEnter() {
        QVERIFY(writeBytes(scoresPath(), fileOf(Ranked)));
        Window1::instance();
        endGame(65);
        GameScores::existing()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!GameScores::existing());
        Congratulations *c = Congratulations::existing();
        QTest::keyClicks(c->NameField, QStringLiteral("Bo"));
        QTest::keyClick(c->NameField, Qt::Key_Return);
        GameScores *g = GameScores::existing();
        QVERIFY(g && g->isVisible());
        QCOMPARE(rowsOf(g), QStringLiteral("A:90|B:80|C:70|Bo:65|D:60|E:50|F:40|G:30|H:20|I:10"));
        QCOMPARE(readBytes(scoresPath()), fileOf(rowsOf(g)));
    }

    void closingCongratulationsFilesNothing() {
        QVERIFY(writeBytes(scoresPath(), fileOf(Ranked)));
        Window1::instance();
        Module1::Name = QStringLiteral("Kim");
        endGame(99);
        Congratulations *c = Congratulations::existing();
        QCOMPARE(c->NameField->text(), QStringLiteral("Kim"));
        QTest::keyClicks(c->NameField, QStringLiteral("X"));
        c->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(readBytes(scoresPath()), fileOf(Ranked));
        QCOMPARE(rowsOf(GameScores::existing()), Ranked);
        QCOMPARE(Module1::Name, QStringLiteral("Kim"));
        // The next qualifying game makes the window anew from Name.
        endGame(99);
        QVERIFY(Congratulations::existing() && Congratulations::existing() != c);
        QCOMPARE(Congratulations::existing()->NameField->text(), QStringLiteral("Kim"));
    }
};

QTEST_MAIN(TestScoresWindows)
#include "test_scores_windows.moc"
