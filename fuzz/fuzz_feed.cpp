// The update feed: any page is cut into its three values without a crash,
// each value is a piece of the page, and the version comparison and the
// decision never fail.
#include "fuzz_common.h"
#include "update/UpdateFeed.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QString page = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const char *name : {"CurrentVersion", "Description", "Free"}) {
        const QString value = UpdateFeed::returnValue(page, QString::fromLatin1(name));
        FUZZ_CHECK(value.isEmpty() || page.contains(value));
    }
    const bool current = UpdateFeed::isCurrent(page, 1, 6, 0);
    (void)current;
    const UpdateFeed::Decision d = UpdateFeed::decide(page, 1, 6, 0);
    if (d.outcome == UpdateFeed::Decision::Offer) {
        FUZZ_CHECK(!d.version.isEmpty());
        FUZZ_CHECK(!UpdateFeed::isCurrent(d.version, 1, 6, 0));
        FUZZ_CHECK(!UpdateFeed::offerMessage(d.version, QStringLiteral("1.6.0"), d.free).isEmpty());
    }
    if (page.isEmpty())
        FUZZ_CHECK(d.outcome == UpdateFeed::Decision::CloseSilently);
    return 0;
}
