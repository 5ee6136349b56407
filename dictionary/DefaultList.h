#pragma once
#include "app/packedlines.h"

#include <string>
#include <vector>

// The built-in default word list (29,394 lower-case words, sorted by byte
// value), compiled into the program so it is there without any file.
namespace DefaultList {

// The rows, in order. Parsed once, on first use.
const std::vector<std::string> &words();

// The same rows, packed, as the dictionary keeps them.
const PackedLines &packed();

// The list as stored: rows separated by CR, no separator after the last.
const std::string &rawText();

} // namespace DefaultList
