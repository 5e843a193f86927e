// Timings of the calculation core: reading an entry, printing a number, and a whole
// report from three input texts for each input kind (the work behind one "Изчисли").
#include "calculate.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>

namespace
{

void BM_ReadNumber(benchmark::State &state)
{
    const std::array<std::string, 4> texts{"3", " 4.80740170061865 ", "1.5e-7", "&HFF"};
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(calc::ReadNumber(texts[i++ & 3]));
}
BENCHMARK(BM_ReadNumber);

void BM_NumberText(benchmark::State &state)
{
    const std::array<double, 4> values{6, 4.21637021355784, 1.0 / 3, 6e200};
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(calc::NumberText(values[i++ & 3]));
}
BENCHMARK(BM_NumberText);

void Report(benchmark::State &state, calc::InputMode mode, std::array<std::string, 3> inputs)
{
    std::string report;
    for (auto _ : state) {
        report.clear();
        calc::AppendReport(report, calc::Calculate(mode, {inputs[0], inputs[1], inputs[2]}));
        benchmark::DoNotOptimize(report.data());
    }
}
BENCHMARK_CAPTURE(Report, Heights, calc::InputMode::Heights, {"4", "3", "2.4"});
BENCHMARK_CAPTURE(Report, Sides, calc::InputMode::Sides, {"3", "4", "5"});
BENCHMARK_CAPTURE(Report, Medians, calc::InputMode::Medians, {"3", "4", "5"});

} // namespace

BENCHMARK_MAIN();
