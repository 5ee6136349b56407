// The maintenance window on a dictionary of 1,000,000 words: Load File,
// Save File, Sort Table, one Add Word and one Delete Selected Word, each with
// the window shown, so the list's own work after the change (layout, repaint)
// is counted. Each stands beside its floor: the same work on a bare
// std::vector<std::string>.
// Run: build/bench/tumblewick_bench --benchmark_filter='_Floor$|_Maintenance'
//
// main (bench_dictionary.cpp) makes the offscreen QApplication and points the
// config folder at a temporary one. These benchmarks use a Maintenance window
// of their own, not the shared instance, so the dictionary benchmarks keep
// theirs.
#include "bench_common.h"

#include "dictionary/Maintenance.h"

#include <QApplication>
#include <QLineEdit>
#include <QTableView>
#include <algorithm>
#include <chrono>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kWords = 1000000;

struct Fixture {
    QString wordFile = Bench::wordFile(kWords);
    std::vector<std::string> words = Bench::words(kWords); // unsorted
    Maintenance *window = new Maintenance(); // never closed: nothing is saved

    Fixture() {
        window->words().replaceAll(words);
        window->show();
        QApplication::processEvents();
        Maintenance::setOpenFileChooser(
            [this](QWidget *, const QString &, const QString &) { return wordFile; });
        Maintenance::setSaveFileChooser([](QWidget *, const QString &, const QString &) {
            return Bench::tempDir() + QStringLiteral("/saved.txt");
        });
    }
};

Fixture &fixture() {
    static Fixture f;
    return f;
}

// Runs `work` and lets the window catch up (layout, paint); the time of both.
template <class Work> double timed(Work work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    QApplication::processEvents();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_LoadFile_Floor(benchmark::State &state) {
    const std::string path = fixture().wordFile.toStdString();
    for (auto _ : state) {
        std::vector<std::string> rows;
        std::ifstream in(path, std::ios::binary);
        std::string line;
        while (std::getline(in, line))
            rows.push_back(line);
        benchmark::DoNotOptimize(rows.data());
    }
}

void BM_LoadFile_Maintenance(benchmark::State &state) {
    Fixture &f = fixture();
    for (auto _ : state)
        state.SetIterationTime(timed([&] { f.window->AddFile_Action(); }));
    state.counters["rows"] = f.window->words().count();
}

void BM_SaveFile_Floor(benchmark::State &state) {
    Fixture &f = fixture();
    const std::string path = (Bench::tempDir() + QStringLiteral("/floor-maintenance.txt")).toStdString();
    for (auto _ : state) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        for (const std::string &w : f.words)
            out << w << '\n';
    }
}

void BM_SaveFile_Maintenance(benchmark::State &state) {
    Fixture &f = fixture();
    f.window->words().replaceAll(f.words);
    for (auto _ : state)
        state.SetIterationTime(timed([&] { f.window->SaveFile_Action(); }));
}

void BM_Sort_Floor(benchmark::State &state) {
    Fixture &f = fixture();
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<std::string> rows = f.words;
        state.ResumeTiming();
        std::sort(rows.begin(), rows.end());
        benchmark::DoNotOptimize(rows.data());
        state.PauseTiming();
        rows = {};
        state.ResumeTiming();
    }
}

void BM_SortTable_Maintenance(benchmark::State &state) {
    Fixture &f = fixture();
    // A selected row, as the user would have: it must follow its word.
    for (auto _ : state) {
        f.window->words().replaceAll(f.words);
        f.window->Wordwell->setCurrentIndex(f.window->words().index(kWords / 2, 0));
        QApplication::processEvents();
        state.SetIterationTime(timed([&] { f.window->SortTable_Action(); }));
    }
}

void BM_AddWord_Maintenance(benchmark::State &state) {
    Fixture &f = fixture();
    f.window->words().replaceAll(f.words);
    QApplication::processEvents();
    for (auto _ : state) {
        f.window->NewWord->setText(QStringLiteral("zyzzyva"));
        QApplication::processEvents();
        state.SetIterationTime(timed([&] { f.window->AddWord_Action(); }));
        f.window->words().removeAt(f.window->words().count() - 1);
        QApplication::processEvents();
    }
}

// Floors of one Add and one Delete: push_back on the bare vector, and erasing
// its first element (every later row moves up, the worst case).
void BM_AddWord_Floor(benchmark::State &state) {
    std::vector<std::string> rows = fixture().words;
    for (auto _ : state) {
        rows.push_back("zyzzyva");
        benchmark::DoNotOptimize(rows.data());
        state.PauseTiming();
        rows.pop_back();
        state.ResumeTiming();
    }
}

void BM_DeleteWord_Floor(benchmark::State &state) {
    std::vector<std::string> rows = fixture().words;
    for (auto _ : state) {
        rows.erase(rows.begin());
        benchmark::DoNotOptimize(rows.data());
        state.PauseTiming();
        rows.push_back("zyzzyva");
        state.ResumeTiming();
    }
}

// The first row: the worst case, every later row moves up.
void BM_DeleteWord_Maintenance(benchmark::State &state) {
    Fixture &f = fixture();
    f.window->words().replaceAll(f.words);
    QApplication::processEvents();
    for (auto _ : state) {
        f.window->Wordwell->setCurrentIndex(f.window->words().index(0, 0));
        QApplication::processEvents();
        state.SetIterationTime(timed([&] { f.window->DeleteWord_Action(); }));
        f.window->words().append(std::string("zyzzyva"));
        QApplication::processEvents();
    }
}

} // namespace

BENCHMARK(BM_LoadFile_Floor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadFile_Maintenance)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveFile_Floor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveFile_Maintenance)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Sort_Floor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortTable_Maintenance)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddWord_Floor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddWord_Maintenance)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeleteWord_Floor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeleteWord_Maintenance)->UseManualTime()->Unit(benchmark::kMillisecond);
