// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/calculation.h"
#include "calc/number_text.h"
#include "calc/pipe.h"

#include <benchmark/benchmark.h>

namespace {

void readNumber(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(kvarnel::to_number("4,61552525"));
}
BENCHMARK(readNumber);

void writeNumber(benchmark::State &state)
{
    double value = 587.9650000000001;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(kvarnel::to_text(value, ","));
    }
}
BENCHMARK(writeNumber);

void pipeSection(benchmark::State &state)
{
    double diameter = 57, wall = 3.5, density = 8800;
    for (auto _ : state) {
        benchmark::DoNotOptimize(diameter);
        benchmark::DoNotOptimize(kvarnel::pipe_section(diameter, wall, density));
    }
}
BENCHMARK(pipeSection);

// What one click on the calculate button computes: three reads, the calculation and
// two writes.
void oneClick(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(kvarnel::calculate("57", "3.5", "8800", ","));
}
BENCHMARK(oneClick);

} // namespace
