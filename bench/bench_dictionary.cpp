#include <benchmark/benchmark.h>
int placeholder;
BENCHMARK_MAIN();
