// The score file reader: any file gives ten rows; the file written from them
// is ten lines that read back as the same rows; an insertion keeps ten rows
// in ranked order where the file was ranked.
#include "app/common.h"
#include "fuzz_common.h"
#include "scores/ScoreTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    ScoreTable t = ScoreTable::fromLines(fuzzLines(data, size, -1));
    FUZZ_CHECK(t.count() == ScoreTable::Size);
    const QStringList lines = t.toLines();
    FUZZ_CHECK(lines.size() == ScoreTable::Size);
    for (const QString &l : lines)
        FUZZ_CHECK(!l.contains(u'\n') && l.count(u'\t') == 1);
    const ScoreTable again = ScoreTable::fromLines(lines);
    for (int i = 0; i < ScoreTable::Size; ++i)
        FUZZ_CHECK(again.at(i).score == t.at(i).score);

    t.insert(QStringLiteral("FUZZ"), 42);
    FUZZ_CHECK(t.count() == ScoreTable::Size);
    QList<ScoreRow> sorted = t.rows();
    ScoreTable::sortScores(sorted);
    for (int i = 1; i < sorted.size(); ++i)
        FUZZ_CHECK(!(Val(sorted[i - 1].score) < Val(sorted[i].score)));
    return 0;
}
