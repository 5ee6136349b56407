#pragma once
// Turns fuzz input into the lines a store file reader sees.
#include "app/textfile.h"

#include <QStringList>
#include <cstdint>
#include <cstdlib>

inline QStringList fuzzLines(const uint8_t *data, size_t size, int maxLines) {
    std::vector<std::string> raw;
    TextFile::splitLines(reinterpret_cast<const char *>(data), size, raw,
                         TextFile::EmptyLines::Keep, maxLines);
    QStringList lines;
    for (const std::string &l : raw)
        lines.append(QString::fromUtf8(l.data(), qsizetype(l.size())));
    return lines;
}

#define FUZZ_CHECK(cond)                                                                          \
    do {                                                                                          \
        if (!(cond))                                                                              \
            std::abort();                                                                         \
    } while (0)
