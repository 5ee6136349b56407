#include "dictionary/DictionaryFile.h"

#include "app/textfile.h"

namespace DictionaryFile {

bool read(const QString &path, std::vector<std::string> &rows, QString *error) {
    rows.clear();
    return TextFile::readLines(path, rows, error, TextFile::EmptyLines::Skip);
}

std::vector<std::string> parse(const char *data, size_t size) {
    std::vector<std::string> rows;
    TextFile::splitLines(data, size, rows, TextFile::EmptyLines::Skip);
    return rows;
}

} // namespace DictionaryFile
