#include "dictionary/DefaultList.h"
#include "app/common.h"
#include "dictionary/Maintenance.h"
#include "testutil.h"

#include <QLabel>
#include <QListView>

using TestUtil::ConfigDir;

namespace {
const QString kDict = QStringLiteral("tumblewickdictionary.txt");

QStringList rowsOf(Maintenance *m) {
    QStringList out;
    for (int i = 0; i < m->words().count(); ++i)
        out << m->words().wordAt(i);
    return out;
}

// Opens the Maintenance window on a dictionary file holding `bytes`.
Maintenance *openWith(const ConfigDir &dir, const QByteArray &bytes) {
    TestUtil::writeBytes(dir.file(kDict), bytes);
    return Maintenance::instance();
}
} // namespace

class TestDictionaryStore : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { TestUtil::closeAllWindows(); }

    void firstLaunchWritesTheDefaultList() {
        ConfigDir dir;
        TestUtil::MessageBoxes boxes;
        Maintenance *m = Maintenance::instance();
        QVERIFY(m->isHidden());
        QCOMPARE(m->words().count(), 29394);
        QVERIFY(m->words().rows() == DefaultList::words());
        QCOMPARE(m->NumWords->text(), QStringLiteral("29,394"));
        QCOMPARE(Module1::NoWords, 29394);

        QByteArray expected;
        for (const std::string &w : DefaultList::words())
            expected += QByteArray::fromStdString(w) + '\n';
        QCOMPARE(TestUtil::readBytes(dir.file(kDict)), expected);
        QVERIFY(boxes.seen.isEmpty());
    }

    void fileIsReadAsWritten_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("blank line no longer loses the rest")
            << QByteArray("cat\n\ndog\n") << QStringList{"cat", "dog"} << QByteArray("cat\ndog\n");
        QTest::newRow("CRLF") << QByteArray("cat\r\ndog\r\n") << QStringList{"cat", "dog"}
                              << QByteArray("cat\ndog\n");
        QTest::newRow("empty file stays empty") << QByteArray() << QStringList{} << QByteArray();
        QTest::newRow("only blank lines") << QByteArray("\n\r\n\n") << QStringList{}
                                          << QByteArray();
        QTest::newRow("spaces, capitals and duplicates kept")
            << QByteArray("  Cat \nDOG\nDOG\n") << QStringList{"  Cat ", "DOG", "DOG"}
            << QByteArray("  Cat \nDOG\nDOG\n");
        QTest::newRow("no final line end") << QByteArray("cat\ndog") << QStringList{"cat", "dog"}
                                           << QByteArray("cat\ndog\n");
    }
    void fileIsReadAsWritten() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, rows);
        QFETCH(QByteArray, saved);
        ConfigDir dir;
        Maintenance *m = openWith(dir, file);
        QCOMPARE(rowsOf(m), rows);
        QCOMPARE(m->NumWords->text(), formatGrouped(rows.size()));
        m->close();
        QCOMPARE(TestUtil::readBytes(dir.file(kDict)), saved);
    }

    void bytesSurviveLoadAndSave() {
        ConfigDir dir;
        QByteArray bytes("nul\0byte\n\xff\xfe invalid utf-8\ncaf\xc3\xa9\n", 34);
        bytes += QByteArray(5 * 1024 * 1024, 'x') + '\n'; // one very long line
        Maintenance *m = openWith(dir, bytes);
        QCOMPARE(m->words().count(), 4);
        QCOMPARE(m->words().bytesAt(0), std::string("nul\0byte", 8));
        // The view copes with the long row: it shows it cut short.
        QVERIFY(m->words().data(m->words().index(3)).toString().size() < 300);
        m->close();
        QCOMPARE(TestUtil::readBytes(dir.file(kDict)), bytes);
    }

    void defaultListOnlyWhenFileMissing() {
        ConfigDir dir;
        {
            Maintenance *m = openWith(dir, "one\n");
            m->UseDefaultList_Action();
            m->UseDefaultList_Action();
            QCOMPARE(m->words().count(), 29394); // not twice as many
            QCOMPARE(m->NumWords->text(), QStringLiteral("29394"));
            m->words().clear();
            m->close(); // an empty dictionary is saved as an empty file
        }
        QCOMPARE(TestUtil::readBytes(dir.file(kDict)), QByteArray());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(Maintenance::instance()->words().count(), 0);
        Maintenance::instance()->close();
        QFile::remove(dir.file(kDict));
        QCOMPARE(Maintenance::instance()->words().count(), 29394);
    }

    void loadingAgainReplacesTheRows() {
        ConfigDir dir;
        Maintenance *m = openWith(dir, "one\ntwo\n");
        m->getPlistDictionary(); // the same file again: still loaded once
        QCOMPARE(rowsOf(m), (QStringList{"one", "two"}));
        m->words().append(std::string("three"));
        m->getPlistDictionary(); // rows changed since: the file wins
        QCOMPARE(rowsOf(m), (QStringList{"one", "two"}));
        QVERIFY(TestUtil::writeBytes(dir.file(kDict), "other file\n"));
        m->getPlistDictionary();
        QCOMPARE(rowsOf(m), (QStringList{"other file"}));
    }

    void reopenShowsTheSameWords() {
        ConfigDir dir;
        Maintenance *m = openWith(dir, "pear\napple\nfig\n");
        m->words().append(std::string("kiwi"));
        m->close();
        QCOMPARE(rowsOf(Maintenance::instance()), (QStringList{"pear", "apple", "fig", "kiwi"}));
    }

    void unwritableFolderIsReportedOnceAndPlayGoesOn() {
        // The config path is a file: no folder can be made there, even as root.
        QTemporaryDir tmp;
        const QString blocker = tmp.path() + "/config";
        QVERIFY(TestUtil::writeBytes(blocker, "not a folder"));
        TestUtil::ConfigAt config(blocker);
        TestUtil::MessageBoxes boxes;

        Maintenance *m = Maintenance::instance();
        QCOMPARE(m->words().count(), 29394); // the default list, in memory
        QCOMPARE(boxes.seen.size(), 1);
        QVERIFY(boxes.seen[0].text.contains("tumblewickdictionary.txt"));
        QVERIFY(boxes.seen[0].text.contains("not a folder"));
        m->savePlistDictionary();
        m->close();
        QCOMPARE(boxes.seen.size(), 1); // told once per file and run
    }

    void missingFolderIsCreated() {
        QTemporaryDir tmp;
        const QString folder = tmp.path() + "/not/yet/there";
        TestUtil::ConfigAt config(folder);
        Maintenance::instance()->close();
        QVERIFY(QFile::exists(folder + "/tumblewickdictionary.txt"));
    }

    void unreadableFileIsNotOverwritten() {
        ConfigDir dir;
        TestUtil::MessageBoxes boxes;
        // A folder where the file should be: it exists but cannot be read.
        QVERIFY(QDir().mkpath(dir.file(kDict)));
        Maintenance *m = Maintenance::instance();
        QCOMPARE(m->words().count(), 0);
        QCOMPARE(boxes.seen.size(), 1);
        QVERIFY(boxes.seen[0].text.contains(kDict));
        m->getPlistDictionary(); // the second load at start-up says nothing new
        QCOMPARE(boxes.seen.size(), 1);
        m->close();
        QVERIFY(QFileInfo(dir.file(kDict)).isDir());
    }
};

QTEST_MAIN(TestDictionaryStore)
#include "test_dictionary_store.moc"
