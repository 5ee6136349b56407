// A save killed at any moment leaves either the old file or the new one,
// whole. The test runs itself as a writer process that saves a large
// dictionary over and over, alternating two contents, and kills it at
// random moments.
#include "app/textfile.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

namespace {

std::vector<std::string> version(char c) {
    // About 4 MB, so a save takes long enough to be interrupted inside.
    std::vector<std::string> rows(400000, std::string(9, c));
    rows.front() = std::string("first-") + c;
    rows.back() = std::string("last-") + c;
    return rows;
}

QByteArray bytesOf(const std::vector<std::string> &rows) {
    QByteArray b;
    for (const auto &r : rows)
        b += QByteArray::fromStdString(r) + '\n';
    return b;
}

int runWriter(const QString &path) {
    const auto a = version('a');
    const auto b = version('b');
    for (unsigned i = 0;; ++i) {
        if (!TextFile::writeLines(path, i % 2 ? b : a))
            return 1;
    }
}

} // namespace

class TestAtomicSave : public QObject {
    Q_OBJECT
private slots:
    void killedSaveLeavesAWholeFile() {
        QTemporaryDir dir;
        const QString path = dir.path() + "/tumblewickdictionary.txt";
        const QByteArray a = bytesOf(version('a'));
        const QByteArray b = bytesOf(version('b'));
        QVERIFY(TextFile::writeLines(path, version('a')));

        int sawA = 0, sawB = 0;
        for (int round = 0; round < 40; ++round) {
            QProcess writer;
            writer.start(QCoreApplication::applicationFilePath(), {"--writer", path});
            QVERIFY(writer.waitForStarted());
            QTest::qWait(int(QRandomGenerator::global()->bounded(5, 120)));
            ::kill(pid_t(writer.processId()), SIGKILL);
            QVERIFY(writer.waitForFinished());

            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QByteArray now = f.readAll();
            QVERIFY2(now == a || now == b,
                     qPrintable(QString("round %1: %2 bytes").arg(round).arg(now.size())));
            (now == a ? sawA : sawB)++;
        }
        qInfo("old/new contents seen after a kill: %d / %d", sawA, sawB);
    }
};

int main(int argc, char **argv) {
    if (argc == 3 && qstrcmp(argv[1], "--writer") == 0)
        return runWriter(QString::fromLocal8Bit(argv[2]));
    QCoreApplication app(argc, argv);
    TestAtomicSave t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_atomic_save.moc"
