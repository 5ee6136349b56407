#include "game/Scrambler.h"

#include <QTest>
#include <algorithm>

namespace {
QString sorted(const QString &w) {
    QStringList c = Scrambler::characters(w);
    c.sort();
    return c.join(QString());
}

Scrambler::Draw drawFrom(const QStringList &words, Random &r) {
    return Scrambler::draw(int(words.size()), [&](int i) { return words[i]; }, r);
}
} // namespace

class TestScrambler : public QObject {
    Q_OBJECT
private slots:
    void scrambleIsAnotherArrangement_data() {
        QTest::addColumn<QStringList>("dictionary");
        QTest::addColumn<QString>("onlyWord");
        QTest::newRow("cat and a") << QStringList{"cat", "a"} << "cat";
        QTest::newRow("aa and stop") << QStringList{"aa", "stop"} << "stop";
        QTest::newRow("added") << QStringList{"added"} << "added";
        QTest::newRow("accents") << QStringList{QString::fromUtf8("été")} << QString::fromUtf8("été");
        QTest::newRow("sharp s") << QStringList{QString::fromUtf8("straße")}
                                 << QString::fromUtf8("straße");
        // e + combining acute accent, and a family emoji of several code points
        QTest::newRow("combining accent") << QStringList{QString::fromUtf8("cafe\u0301s")}
                                          << QString::fromUtf8("cafe\u0301s");
        QTest::newRow("emoji") << QStringList{QString::fromUtf8("a\U0001F468\u200D\U0001F469\u200D\U0001F467b")}
                               << QString::fromUtf8("a\U0001F468\u200D\U0001F469\u200D\U0001F467b");
    }
    void scrambleIsAnotherArrangement() {
        QFETCH(QStringList, dictionary);
        QFETCH(QString, onlyWord);
        Random r(7);
        for (int i = 0; i < 300; ++i) {
            const Scrambler::Draw d = drawFrom(dictionary, r);
            QVERIFY(d.found);
            QCOMPARE(d.word, onlyWord);
            QVERIFY(d.scramble != d.word);
            QCOMPARE(sorted(d.scramble), sorted(d.word));
            QVERIFY(d.scramble.isValidUtf16());
        }
    }

    void graphemeCharacters() {
        QCOMPARE(Scrambler::characters(QString::fromUtf8("cafe\u0301")).size(), 4);
        QCOMPARE(Scrambler::length(QString::fromUtf8("a\U0001F600b")), 3);
        QCOMPARE(Scrambler::length(QString()), 0);
        QVERIFY(!Scrambler::canScramble(QString::fromUtf8("ééé")));
        QVERIFY(!Scrambler::canScramble("a"));
        QVERIFY(Scrambler::canScramble("ab"));
    }

    void everyArrangementCanAppear() {
        // cat has five other arrangements; each shows up.
        Random r(1);
        QSet<QString> seen;
        for (int i = 0; i < 500; ++i)
            seen.insert(drawFrom({"cat"}, r).scramble);
        QCOMPARE(seen, (QSet<QString>{"cta", "act", "atc", "tca", "tac"}));
    }

    void givesUpWhenNothingCanScramble_data() {
        QTest::addColumn<QStringList>("dictionary");
        QTest::newRow("empty") << QStringList{};
        QTest::newRow("single letters and repeats")
            << QStringList{"a", "aa", QString::fromUtf8("ééé"), QString()};
    }
    void givesUpWhenNothingCanScramble() {
        QFETCH(QStringList, dictionary);
        Random r(3);
        const Scrambler::Draw d = drawFrom(dictionary, r);
        QVERIFY(!d.found);
        QVERIFY(d.word.isEmpty());
        QVERIFY(d.scramble.isEmpty());
    }

    void rareScramblableWordIsFound() {
        // 100,000 rows of which one can be scrambled: the bounded random
        // attempts give way to a scan, which finds it.
        QStringList words(100000, QStringLiteral("zz"));
        words[76543] = QStringLiteral("go");
        Random r(5);
        const Scrambler::Draw d = drawFrom(words, r);
        QVERIFY(d.found);
        QCOMPARE(d.word, QStringLiteral("go"));
        QCOMPARE(d.scramble, QStringLiteral("og"));
    }

    void duplicatesAreDrawnMoreOften() {
        Random r(11);
        int cat = 0;
        for (int i = 0; i < 3000; ++i)
            cat += drawFrom({"cat", "cat", "cat", "dog"}, r).word == "cat";
        QVERIFY2(cat > 2000 && cat < 2500, qPrintable(QString::number(cat)));
    }
};

QTEST_APPLESS_MAIN(TestScrambler)
#include "test_scrambler.moc"
