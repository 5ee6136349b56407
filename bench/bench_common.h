#pragma once
// Shared fixtures of the benchmarks: synthetic word lists and files.
#include <benchmark/benchmark.h>

#include <QString>
#include <string>
#include <vector>

namespace Bench {

// A temporary folder that lives as long as the benchmark run.
QString tempDir();

// `n` deterministic pseudo-words of 4 to 10 lower-case letters.
std::vector<std::string> words(int n);

// A word file of `n` words (LF), written once per run and reused.
QString wordFile(int n);

// Writes the same words to `path`.
void writeWordFile(const QString &path, int n);

} // namespace Bench
