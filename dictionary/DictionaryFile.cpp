#include "dictionary/DictionaryFile.h"

#include "app/textfile.h"

namespace DictionaryFile {

bool read(const QString &path, PackedLines &rows, QString *error) {
    rows.clear();
    return TextFile::readLines(path, rows, error, TextFile::EmptyLines::Skip);
}

bool readWordFile(const QString &path, PackedLines &rows, QString *error) {
    rows.clear();
    return TextFile::readLines(path, rows, error, TextFile::EmptyLines::Skip, -1,
                               PackedLines::Ends::LFOrCR);
}

PackedLines parse(const char *data, size_t size) {
    return PackedLines::split(std::string(data, size), true);
}

} // namespace DictionaryFile
