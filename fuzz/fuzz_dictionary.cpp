// The dictionary and word-file reader: any bytes load without a crash, no
// row is empty or holds a line end, and saving the rows then reading them
// back gives exactly the same rows.
#include "dictionary/DictionaryFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const auto rows = DictionaryFile::parse(reinterpret_cast<const char *>(data), size);
    std::string saved;
    for (const std::string &r : rows) {
        if (r.empty() || r.find('\n') != std::string::npos || r.back() == '\r')
            std::abort();
        saved += r;
        saved += '\n';
    }
    if (DictionaryFile::parse(saved.data(), saved.size()) != rows)
        std::abort();
    return 0;
}
