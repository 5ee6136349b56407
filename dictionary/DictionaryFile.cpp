#include "dictionary/DictionaryFile.h"

#include "app/textfile.h"

#include <algorithm>

namespace DictionaryFile {

bool read(const QString &path, std::vector<std::string> &rows, QString *error) {
    rows.clear();
    return TextFile::readLines(path, rows, error, TextFile::EmptyLines::Skip);
}

void splitAtCarriageReturns(std::vector<std::string> &rows) {
    const auto hasCR = [](const std::string &s) { return s.find('\r') != std::string::npos; };
    if (std::none_of(rows.begin(), rows.end(), hasCR))
        return;
    std::vector<std::string> split;
    split.reserve(rows.size());
    for (std::string &row : rows) {
        if (!hasCR(row)) {
            split.push_back(std::move(row));
            continue;
        }
        size_t start = 0;
        while (start <= row.size()) {
            size_t end = row.find('\r', start);
            if (end == std::string::npos)
                end = row.size();
            if (end > start)
                split.emplace_back(row, start, end - start);
            start = end + 1;
        }
    }
    rows = std::move(split);
}

bool readWordFile(const QString &path, std::vector<std::string> &rows, QString *error) {
    if (!read(path, rows, error))
        return false;
    splitAtCarriageReturns(rows);
    return true;
}

std::vector<std::string> parse(const char *data, size_t size) {
    std::vector<std::string> rows;
    TextFile::splitLines(data, size, rows, TextFile::EmptyLines::Skip);
    return rows;
}

} // namespace DictionaryFile
