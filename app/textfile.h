#pragma once
#include "app/packedlines.h"

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

// The one layer through which the program's text files are read and written.
// Readers accept LF and CRLF line ends; writers end every line with LF and
// replace the file atomically (a new file is written beside the old one and
// renamed over it), so a crash or a full disk never leaves half a file.
namespace TextFile {

enum class EmptyLines { Keep, Skip };

// Reads the raw bytes of each line, without its terminator. Returns false
// (with a reason in *error) when the file cannot be opened or read.
// maxLines < 0 reads every line. `ends` LFOrCR also ends a line at a lone CR.
bool readLines(const QString &path, PackedLines &lines, QString *error = nullptr,
               EmptyLines empty = EmptyLines::Keep, int maxLines = -1,
               PackedLines::Ends ends = PackedLines::Ends::LF);

// Same, decoded as UTF-8.
bool readLines(const QString &path, QStringList &lines, QString *error = nullptr,
               EmptyLines empty = EmptyLines::Keep, int maxLines = -1);

// Splits a buffer into lines the same way (exposed for fuzzing and tests).
void splitLines(const char *data, size_t size, std::vector<std::string> &lines, EmptyLines empty,
                int maxLines = -1);

// Writes each line followed by LF and replaces the file atomically.
bool writeLines(const QString &path, const PackedLines &lines, QString *error = nullptr);
bool writeLines(const QString &path, const std::vector<std::string> &lines,
                QString *error = nullptr);
bool writeLines(const QString &path, const QStringList &lines, QString *error = nullptr);

} // namespace TextFile
