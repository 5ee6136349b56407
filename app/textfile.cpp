#include "app/textfile.h"

#include <QFile>
#include <QSaveFile>

namespace TextFile {

void splitLines(const char *data, size_t size, std::vector<std::string> &lines, EmptyLines empty,
                int maxLines) {
    const PackedLines packed = PackedLines::split(std::string(data, size),
                                                  empty == EmptyLines::Skip,
                                                  PackedLines::Ends::LF, maxLines);
    for (size_t i = 0; i < packed.size(); ++i)
        lines.emplace_back(packed[i]);
}

bool readLines(const QString &path, PackedLines &lines, QString *error, EmptyLines empty,
               int maxLines, PackedLines::Ends ends) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    // The whole file is read into one buffer, which the lines then keep.
    std::string bytes;
    const qint64 size = file.size();
    if (size > 0) {
        bytes.resize(size_t(size));
        qint64 got = 0;
        while (got < size) {
            const qint64 n = file.read(bytes.data() + got, size - got);
            if (n <= 0)
                break;
            got += n;
        }
        bytes.resize(size_t(got));
    }
    // Whatever a size cannot be told for (a pipe, a special file) comes after.
    const QByteArray rest = file.readAll();
    bytes.append(rest.constData(), size_t(rest.size()));
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return false;
    }
    lines = PackedLines::split(std::move(bytes), empty == EmptyLines::Skip, ends, maxLines);
    return true;
}

bool readLines(const QString &path, QStringList &lines, QString *error, EmptyLines empty,
               int maxLines) {
    PackedLines packed;
    if (!readLines(path, packed, error, empty, maxLines))
        return false;
    lines.reserve(lines.size() + qsizetype(packed.size()));
    for (size_t i = 0; i < packed.size(); ++i)
        lines.append(QString::fromUtf8(packed[i].data(), qsizetype(packed[i].size())));
    return true;
}

static bool commit(const QString &path, const QByteArray &bytes, QString *error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool writeLines(const QString &path, const PackedLines &lines, QString *error) {
    QByteArray bytes;
    bytes.reserve(qsizetype(lines.byteSize() + lines.size()));
    for (size_t i = 0; i < lines.size(); ++i) {
        bytes.append(lines[i].data(), qsizetype(lines[i].size()));
        bytes.append('\n');
    }
    return commit(path, bytes, error);
}

bool writeLines(const QString &path, const std::vector<std::string> &lines, QString *error) {
    return writeLines(path, PackedLines::fromVector(lines), error);
}

bool writeLines(const QString &path, const QStringList &lines, QString *error) {
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes.append(line.toUtf8());
        bytes.append('\n');
    }
    return commit(path, bytes, error);
}

} // namespace TextFile
