// The dictionary and word-file readers: any bytes load without a crash, no
// row is empty or holds a line end, and saving the rows then reading them
// back gives exactly the same rows. A word file (where a lone CR ends a line
// too) never yields a row holding a CR.
#include "dictionary/DictionaryFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string input(reinterpret_cast<const char *>(data), size);
    const PackedLines rows = DictionaryFile::parse(input.data(), input.size());
    std::string saved;
    for (size_t i = 0; i < rows.size(); ++i) {
        const std::string_view r = rows[i];
        if (r.empty() || r.find('\n') != r.npos || r.back() == '\r')
            std::abort();
        saved.append(r.data(), r.size());
        saved += '\n';
    }
    if (DictionaryFile::parse(saved.data(), saved.size()) != rows)
        std::abort();

    const PackedLines words = PackedLines::split(input, true, PackedLines::Ends::LFOrCR);
    for (size_t i = 0; i < words.size(); ++i)
        if (words[i].empty() || words[i].find_first_of("\r\n") != std::string_view::npos)
            std::abort();
    return 0;
}
