// The score table's rules without any window: reading the score file's lines,
// writing them back, the ranking sort and the insertion of a new entry.
#include "scores/ScoreTable.h"

#include <QTest>

namespace {

// "name:score" pairs separated by "|", for compact tables of rows.
QList<ScoreRow> rowsOf(const QString &pairsText) {
    QList<ScoreRow> rows;
    for (const QString &pair : pairsText.split(u'|'))
        rows.append({pair.section(u':', 0, 0), pair.section(u':', 1)});
    return rows;
}

QString textOf(const QList<ScoreRow> &rows) {
    QStringList pairs;
    for (const ScoreRow &r : rows)
        pairs.append(r.name + u':' + r.score);
    return pairs.join(u'|');
}

ScoreTable tableOf(const QString &pairsText) {
    QStringList lines;
    for (const ScoreRow &r : rowsOf(pairsText))
        lines.append(r.name + u'\t' + r.score);
    return ScoreTable::fromLines(lines);
}

} // namespace

class TestScoresTable : public QObject {
    Q_OBJECT
private slots:
    void readsLines_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("rows");
        const QString sevenEmpty = QStringLiteral("|:|:|:|:|:|:|:").mid(1);
        QTest::newRow("well formed")
            << QStringList{"A\t9", "B\t8", "C\t7", "D\t6", "E\t5", "F\t4", "G\t3", "H\t2",
                           "I\t1", "J\t0"}
            << "A:9|B:8|C:7|D:6|E:5|F:4|G:3|H:2|I:1|J:0";
        QTest::newRow("three lines: seven rows of empty name and score")
            << QStringList{"A\t3", "B\t2", "C\t1"} << "A:3|B:2|C:1|" + sevenEmpty;
        QTest::newRow("twelve lines: the first ten")
            << QStringList{"A\t12", "B\t11", "C\t10", "D\t9", "E\t8", "F\t7", "G\t6", "H\t5",
                           "I\t4", "J\t3", "K\t2", "L\t1"}
            << "A:12|B:11|C:10|D:9|E:8|F:7|G:6|H:5|I:4|J:3";
        QTest::newRow("no TAB: all name, empty score")
            << QStringList{"PLAYER3", "", "\t", "\t5", "X\t1\tjunk\tmore", "a b\t 7 ", "Z\tabc",
                           " \t0", "\t0", "Q\t-3"}
            << "PLAYER3:|:|:|:5|X:1|a b: 7 |Z:abc| :0|:0|Q:-3";
        QTest::newRow("empty file") << QStringList{} << ":|" + sevenEmpty + "|:|:";
    }
    void readsLines() {
        QFETCH(QStringList, lines);
        QFETCH(QString, rows);
        const ScoreTable t = ScoreTable::fromLines(lines);
        QCOMPARE(t.count(), 10);
        QCOMPARE(textOf(t.rows()), rows);
        // Written back, it is ten well-formed lines: name, TAB, score.
        const QStringList out = t.toLines();
        QCOMPARE(out.size(), 10);
        for (int i = 0; i < 10; ++i)
            QCOMPARE(out.at(i), t.at(i).name + u'\t' + t.at(i).score);
    }

    void firstLaunchAndClear() {
        QCOMPARE(ScoreTable::firstLaunch().toLines(), QStringList(10, QStringLiteral(" \t0")));
        ScoreTable t = tableOf("A:9|B:8|C:7|D:6|E:5|F:4|G:3|H:2|I:1|J:1");
        t.clear();
        QCOMPARE(t.toLines(), QStringList(10, QStringLiteral("\t0")));
    }

    void ranksNewEntry_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<qint32>("total");
        QTest::addColumn<QString>("after");
        QTest::newRow("above all: row 0, old tenth dropped")
            << "A:90|B:80|C:70|D:60|E:50|F:40|G:30|H:20|I:10|J:5" << 100
            << "NEW:100|A:90|B:80|C:70|D:60|E:50|F:40|G:30|H:20|I:10";
        QTest::newRow("tie: below every older equal score")
            << "A:90|B:50|C:50|D:50|E:40|F:30|G:20|H:10|I:5|J:1" << 50
            << "A:90|B:50|C:50|D:50|NEW:50|E:40|F:30|G:20|H:10|I:5";
        QTest::newRow("one above the tenth: becomes the tenth")
            << "A:90|B:80|C:70|D:60|E:50|F:40|G:30|H:20|I:10|J:5" << 6
            << "A:90|B:80|C:70|D:60|E:50|F:40|G:30|H:20|I:10|NEW:6";
        QTest::newRow("of several lowest equal scores the bottom one leaves")
            << "A:9|B:3|C:3|D:3|E:3|F:3|G:3|H:3|I:3|J:3" << 4
            << "A:9|NEW:4|B:3|C:3|D:3|E:3|F:3|G:3|H:3|I:3";
        QTest::newRow("numeric, not text order")
            << "A:100|B:99|C:20|D:9|E:8|F:7|G:6|H:5|I:4|J:3" << 10
            << "A:100|B:99|C:20|NEW:10|D:9|E:8|F:7|G:6|H:5|I:4";
        QTest::newRow("hand-edited ascending file sorted whole")
            << "A:1|B:2|C:3|D:4|E:5|F:6|G:7|H:8|I:9|J:10" << 11
            << "NEW:11|J:10|I:9|H:8|G:7|F:6|E:5|D:4|C:3|B:2";
        QTest::newRow("scores that are not numbers count as 0, kept as written")
            << "A:7|B:abc|C: 5|D:|E:3x|F:0|G:0|H:0|I:0|J:0" << 4
            << "A:7|C: 5|NEW:4|E:3x|B:abc|D:|F:0|G:0|H:0|I:0";
        QTest::newRow("first launch table") << " :0| :0| :0| :0| :0| :0| :0| :0| :0| :0" << 1
                                            << "NEW:1| :0| :0| :0| :0| :0| :0| :0| :0| :0";
    }
    void ranksNewEntry() {
        QFETCH(QString, before);
        QFETCH(qint32, total);
        QFETCH(QString, after);
        ScoreTable t = tableOf(before);
        t.insert(QStringLiteral("NEW"), total);
        QCOMPARE(textOf(t.rows()), after);
        QCOMPARE(t.toLines().size(), 10);
    }

    void sortIsStableAndDescending() {
        QList<ScoreRow> rows = rowsOf("a:1|b:5|c:1|d:5|e:x|f:5.5|g:1e1|h:-2|i:0|j:5|k:1");
        ScoreTable::sortScores(rows);
        QCOMPARE(textOf(rows), "g:1e1|f:5.5|b:5|d:5|j:5|a:1|c:1|k:1|e:x|i:0|h:-2");
    }

    void namesNeverBreakTheFile() {
        ScoreTable t = ScoreTable::firstLaunch();
        QVERIFY(t.setName(2, QStringLiteral("Ann\tB\r\nC")));
        QCOMPARE(t.at(2).name, QStringLiteral("Ann B  C"));
        QVERIFY(!t.setName(2, QStringLiteral("Ann B  C")));
        t.insert(QStringLiteral("X\nY"), 5);
        QCOMPARE(t.at(0).name, QStringLiteral("X Y"));
        const QStringList lines = t.toLines();
        QCOMPARE(lines.size(), 10);
        QCOMPARE(lines.at(0), QStringLiteral("X Y\t5"));
        QCOMPARE(lines.at(3), QStringLiteral("Ann B  C\t0"));
        QCOMPARE(ScoreTable::fromLines(lines).rows(), t.rows());
    }
};

QTEST_APPLESS_MAIN(TestScoresTable)
#include "test_scores_table.moc"
