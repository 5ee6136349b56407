#include "bench_common.h"

#include "app/textfile.h"

#include <QMap>
#include <QTemporaryDir>
#include <random>

namespace Bench {

QString tempDir() {
    static QTemporaryDir dir;
    return dir.path();
}

std::vector<std::string> words(int n) {
    std::mt19937 gen(12345);
    std::uniform_int_distribution<int> len(4, 10), letter('a', 'z');
    std::vector<std::string> out;
    out.reserve(size_t(n));
    for (int i = 0; i < n; ++i) {
        std::string w(size_t(len(gen)), ' ');
        for (char &c : w)
            c = char(letter(gen));
        out.push_back(std::move(w));
    }
    return out;
}

QString wordFile(int n) {
    static QMap<int, QString> files;
    if (!files.contains(n)) {
        const QString path = tempDir() + QStringLiteral("/words-%1.txt").arg(n);
        writeWordFile(path, n);
        files.insert(n, path);
    }
    return files.value(n);
}

void writeWordFile(const QString &path, int n) { TextFile::writeLines(path, words(n)); }

} // namespace Bench
