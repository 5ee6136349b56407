// Dictionary benchmarks: loading and saving the dictionary file, Use Default
// List, and drawing a word, each beside a plain C++ floor where one applies.
// Run: build/bench/tumblewick_bench [--benchmark_filter=...]
#include "bench_common.h"

#include "app/storage.h"
#include "app/textfile.h"
#include "dictionary/DefaultList.h"
#include "dictionary/Maintenance.h"
#include "game/Module1.h"
#include "game/Scrambler.h"

#include <QApplication>
#include <QTemporaryDir>
#include <fstream>

namespace {

// The dictionary file of the Maintenance window, for a given size.
Maintenance *maintenanceWith(int words) {
    static int loaded = -1;
    Maintenance *m = Maintenance::instance();
    if (loaded != words) {
        Bench::writeWordFile(Storage::filePath(QString::fromLatin1(Storage::DictionaryFile)), words);
        m->getPlistDictionary();
        loaded = words;
    }
    return m;
}

void BM_LoadDictionary(benchmark::State &state) {
    Maintenance *m = maintenanceWith(int(state.range(0)));
    for (auto _ : state) {
        // Loading the very file the rows came from is skipped; an empty list
        // makes every round a real load.
        state.PauseTiming();
        m->words().clear();
        state.ResumeTiming();
        m->getPlistDictionary();
        benchmark::DoNotOptimize(m->words().count());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_SaveDictionary(benchmark::State &state) {
    Maintenance *m = maintenanceWith(int(state.range(0)));
    for (auto _ : state)
        m->savePlistDictionary();
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Floor: the same file read into a vector with std::getline.
void BM_FloorGetline(benchmark::State &state) {
    const std::string path = Bench::wordFile(int(state.range(0))).toStdString();
    for (auto _ : state) {
        std::ifstream in(path);
        std::vector<std::string> rows;
        std::string line;
        while (std::getline(in, line))
            rows.push_back(line);
        benchmark::DoNotOptimize(rows.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Floor for saving: the rows written with an ofstream, no atomic replace.
void BM_FloorOfstream(benchmark::State &state) {
    const std::vector<std::string> rows = Bench::words(int(state.range(0)));
    const std::string path = (Bench::tempDir() + "/floor.txt").toStdString();
    for (auto _ : state) {
        std::ofstream out(path, std::ios::trunc);
        for (const std::string &r : rows)
            out << r << '\n';
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_UseDefaultList(benchmark::State &state) {
    Maintenance *m = maintenanceWith(29394);
    for (auto _ : state) {
        m->UseDefaultList_Action();
        benchmark::DoNotOptimize(m->words().count());
    }
}

void BM_GetAWord(benchmark::State &state) {
    WordList &list = maintenanceWith(int(state.range(0)))->words();
    Random r(42);
    for (auto _ : state) {
        const Scrambler::Draw d =
            Scrambler::draw(list.count(), [&list](int i) { return list.wordAt(i); }, r);
        benchmark::DoNotOptimize(d.scramble.size());
    }
}

} // namespace

BENCHMARK(BM_FloorGetline)->Arg(29394)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadDictionary)->Arg(29394)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FloorOfstream)->Arg(29394)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveDictionary)->Arg(29394)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UseDefaultList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GetAWord)->Arg(29394)->Arg(1000000)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Every file the benchmarks touch lives in a temporary config folder.
    qputenv("XDG_CONFIG_HOME", Bench::tempDir().toUtf8());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
