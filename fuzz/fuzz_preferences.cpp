// The preferences reader: any file gives a valid setting, and what is written
// back reads as the same setting.
#include "app/Preferences.h"
#include "fuzz_common.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const Preferences::Settings s = Preferences::parse(fuzzLines(data, size, 2));
    FUZZ_CHECK(s.seconds == 0 || s.seconds == 30 || s.seconds == 60 || s.seconds == 90);
    const QStringList written = Preferences::format(s);
    FUZZ_CHECK(written.size() == 2);
    FUZZ_CHECK(Preferences::parse(written) == s);
    return 0;
}
