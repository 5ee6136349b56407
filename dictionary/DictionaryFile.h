#pragma once
#include "app/packedlines.h"

#include <QString>

// The dictionary file format: one word per line, exact bytes, LF written,
// LF or CRLF read. Empty lines are skipped (a file the program wrote never
// holds one), so a blank line in a hand-edited file loses nothing.
namespace DictionaryFile {

// Returns false when the file cannot be read (the rows are left empty).
bool read(const QString &path, PackedLines &rows, QString *error = nullptr);

// Reads a word file chosen by the user: the same format, and a lone CR
// (an old Mac line end) also ends a line, so no word ever holds a CR or LF.
bool readWordFile(const QString &path, PackedLines &rows, QString *error = nullptr);

// Parses file contents (for tests and fuzzing).
PackedLines parse(const char *data, size_t size);

} // namespace DictionaryFile
