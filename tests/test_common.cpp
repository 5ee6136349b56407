#include "app/common.h"
#include "app/textfile.h"
#include "testutil.h"

#include <QDirIterator>

class TestCommon : public QObject {
    Q_OBJECT
private slots:
    void val_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("integer") << "57" << 57.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("word") << "PLAYER3" << 0.0;
        QTest::newRow("leading number") << "12abc" << 12.0;
        QTest::newRow("negative") << "-4" << -4.0;
        QTest::newRow("fraction") << "2.5" << 2.5;
        QTest::newRow("leading blanks") << "  8" << 8.0;
        QTest::newRow("sign only") << "-" << 0.0;
        QTest::newRow("exponent") << "1e3" << 1000.0;
        QTest::newRow("dangling exponent") << "7e" << 7.0;
        QTest::newRow("grouped is cut at comma") << "1,234" << 1.0;
        QTest::newRow("non-ascii digit") << QString::fromUtf8("\u0663") << 0.0;
    }
    void val() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(Val(text), value);
    }

    void grouped_data() {
        QTest::addColumn<qint64>("n");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << qint64(0) << "0";
        QTest::newRow("three digits") << qint64(999) << "999";
        QTest::newRow("four digits") << qint64(1000) << "1,000";
        QTest::newRow("default list") << qint64(29394) << "29,394";
        QTest::newRow("a million") << qint64(1000000) << "1,000,000";
        QTest::newRow("nine digits") << qint64(123456789) << "123,456,789";
        QTest::newRow("negative") << qint64(-29394) << "-29,394";
    }
    void grouped() {
        QFETCH(qint64, n);
        QFETCH(QString, text);
        QCOMPARE(formatGrouped(n), text);
    }

    void splitLines_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("keep");
        QTest::addColumn<QStringList>("skip");
        QTest::newRow("LF") << QByteArray("a\nb\n") << QStringList{"a", "b"} << QStringList{"a", "b"};
        QTest::newRow("CRLF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"}
                              << QStringList{"a", "b"};
        QTest::newRow("no final terminator")
            << QByteArray("a\nb") << QStringList{"a", "b"} << QStringList{"a", "b"};
        QTest::newRow("blank lines") << QByteArray("a\n\n\r\nb\n") << QStringList{"a", "", "", "b"}
                                     << QStringList{"a", "b"};
        QTest::newRow("empty") << QByteArray() << QStringList{} << QStringList{};
        QTest::newRow("every CR before the LF is line end")
            << QByteArray("a\r\r\nb\r") << QStringList{"a", "b"} << QStringList{"a", "b"};
        QTest::newRow("lone CR stays in the line")
            << QByteArray("a\rb\n") << QStringList{"a\rb"} << QStringList{"a\rb"};
    }
    void splitLines() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, keep);
        QFETCH(QStringList, skip);
        for (auto mode : {TextFile::EmptyLines::Keep, TextFile::EmptyLines::Skip}) {
            std::vector<std::string> lines;
            TextFile::splitLines(bytes.constData(), size_t(bytes.size()), lines, mode);
            QStringList got;
            for (const auto &l : lines)
                got << QString::fromStdString(l);
            QCOMPARE(got, mode == TextFile::EmptyLines::Keep ? keep : skip);
        }
    }

    void writeIsLfAndAtomic() {
        TestUtil::ConfigDir dir;
        const QString path = dir.file("f.txt");
        QVERIFY(TestUtil::writeBytes(path, "old\r\ncontent\r\n"));
        // A temporary file left behind by a save that crashed half way does not
        // disturb reading the real file or the next save.
        QVERIFY(TestUtil::writeBytes(path + ".aB3xYz", "half writ"));
        QStringList lines;
        QVERIFY(TextFile::readLines(path, lines));
        QCOMPARE(lines, (QStringList{"old", "content"}));
        QVERIFY(TextFile::writeLines(path, QStringList{"new", QString::fromUtf8("é")}));
        QCOMPARE(TestUtil::readBytes(path), QByteArray("new\n\xc3\xa9\n"));
        // Nothing else of ours is left in the folder.
        QStringList names = QDir(dir.path()).entryList(QDir::Files);
        names.sort();
        QCOMPARE(names, (QStringList{"f.txt", "f.txt.aB3xYz"}));
    }

    void writeFailureKeepsOldFile() {
        TestUtil::ConfigDir dir;
        const QString folder = dir.file("ro");
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + "/f.txt";
        QVERIFY(TestUtil::writeBytes(path, "keep\n"));
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        QString error;
        const bool ok = TextFile::writeLines(path, QStringList{"lost"}, &error);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (ok)
            QSKIP("running with rights that ignore folder permissions (root)");
        QVERIFY(!error.isEmpty());
        QCOMPARE(TestUtil::readBytes(path), QByteArray("keep\n"));
    }
};

QTEST_MAIN(TestCommon)
#include "test_common.moc"
