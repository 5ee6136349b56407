#include "app/textfile.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <cstring>

namespace TextFile {

void splitLines(const char *data, size_t size, std::vector<std::string> &lines, EmptyLines empty,
                int maxLines) {
    size_t pos = 0;
    while (pos < size) {
        if (maxLines >= 0 && lines.size() >= size_t(maxLines))
            return;
        const void *nl = std::memchr(data + pos, '\n', size - pos);
        const size_t end = nl ? size_t(static_cast<const char *>(nl) - data) : size;
        size_t len = end - pos;
        // CR before the LF is part of the line end; more than one is dropped
        // too, so that a line read back after saving is the line saved.
        while (len > 0 && data[pos + len - 1] == '\r')
            --len;
        if (len > 0 || empty == EmptyLines::Keep)
            lines.emplace_back(data + pos, len);
        pos = end + 1;
    }
}

bool readLines(const QString &path, std::vector<std::string> &lines, QString *error,
               EmptyLines empty, int maxLines) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    // A regular file is mapped and split in place; anything that cannot be
    // mapped (an empty file, a pipe) is read into memory first.
    const qint64 size = file.size();
    if (size > 0) {
        if (const uchar *mapped = file.map(0, size)) {
            splitLines(reinterpret_cast<const char *>(mapped), size_t(size), lines, empty,
                       maxLines);
            file.unmap(const_cast<uchar *>(mapped));
            return true;
        }
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return false;
    }
    splitLines(bytes.constData(), size_t(bytes.size()), lines, empty, maxLines);
    return true;
}

bool readLines(const QString &path, QStringList &lines, QString *error, EmptyLines empty,
               int maxLines) {
    std::vector<std::string> raw;
    if (!readLines(path, raw, error, empty, maxLines))
        return false;
    lines.reserve(lines.size() + qsizetype(raw.size()));
    for (const std::string &line : raw)
        lines.append(QString::fromUtf8(line.data(), qsizetype(line.size())));
    return true;
}

static bool commit(QSaveFile &file, const QByteArray &bytes, QString *error) {
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

bool writeLines(const QString &path, const std::vector<std::string> &lines, QString *error) {
    size_t total = 0;
    for (const std::string &line : lines)
        total += line.size() + 1;
    QByteArray bytes;
    bytes.reserve(qsizetype(total));
    for (const std::string &line : lines) {
        bytes.append(line.data(), qsizetype(line.size()));
        bytes.append('\n');
    }
    QSaveFile file(path);
    return commit(file, bytes, error);
}

bool writeLines(const QString &path, const QStringList &lines, QString *error) {
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes.append(line.toUtf8());
        bytes.append('\n');
    }
    QSaveFile file(path);
    return commit(file, bytes, error);
}

} // namespace TextFile
