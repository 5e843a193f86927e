// Timings of the calculation core: reading an entry, printing a number, a whole report from
// three input texts for each input kind (the work behind one "Изчисли"), the same with the
// exact values (bisectors --exact), a needle that only the exact path can answer, and the
// worked solution of a school triple (bisectors --steps); a triangle by three of its
// elements (bisectors --given), the solve alone and with its report, for closed forms of
// each kind; and the certified search for the triangle of three elements that have no
// closed form.
#include "calculate.h"
#include "chapter_report.h"
#include "chapter_work.h"
#include "givens.h"
#include "search.h"
#include "solution.h"

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

void Report(benchmark::State &state, calc::InputMode mode, std::array<std::string, 3> inputs,
            bool exact)
{
    std::string report;
    for (auto _ : state) {
        report.clear();
        const calc::Solution solution =
            calc::Calculate(mode, {inputs[0], inputs[1], inputs[2]}, ".", {.exactValues = exact});
        calc::AppendReport(report, solution);
        calc::AppendExactValues(report, solution);
        benchmark::DoNotOptimize(report.data());
    }
}
BENCHMARK_CAPTURE(Report, Heights, calc::InputMode::Heights, {"4", "3", "2.4"}, false);
BENCHMARK_CAPTURE(Report, Sides, calc::InputMode::Sides, {"3", "4", "5"}, false);
BENCHMARK_CAPTURE(Report, Medians, calc::InputMode::Medians, {"3", "4", "5"}, false);
BENCHMARK_CAPTURE(Report, ExactHeights, calc::InputMode::Heights, {"2", "3", "4"}, true);
BENCHMARK_CAPTURE(Report, ExactSides, calc::InputMode::Sides, {"3.7", "4.1", "5.3"}, true);
BENCHMARK_CAPTURE(Report, ExactMedians, calc::InputMode::Medians, {"3", "4", "5"}, true);
BENCHMARK_CAPTURE(Report, NeedleSides, calc::InputMode::Sides, {"1e8", "1e8", "1"}, false);
BENCHMARK_CAPTURE(Report, NeedleMedians, calc::InputMode::Medians,
                  {"27.6211", "56.7203", "29.1043"}, false);

// The report, the exact values and the worked solution as text, from the three texts.
void Steps(benchmark::State &state, calc::InputMode mode, std::array<std::string, 3> inputs)
{
    std::string text;
    for (auto _ : state) {
        text.clear();
        const calc::Solution solution =
            calc::Calculate(mode, {inputs[0], inputs[1], inputs[2]}, ".", {.exactValues = true});
        calc::AppendReport(text, solution);
        calc::AppendExactValues(text, solution);
        solution::AppendText(text, solution::Work(solution));
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK_CAPTURE(Steps, Heights, calc::InputMode::Heights, {"4", "5", "10"});
BENCHMARK_CAPTURE(Steps, Sides, calc::InputMode::Sides, {"9.45", "8.23", "1.3"});
BENCHMARK_CAPTURE(Steps, Medians, calc::InputMode::Medians, {"3", "4", "5"});

// A triangle by three elements: the givens read, solved and, with `report`, reported (with
// the exact values for `exact`), as one line of bisectors --given.
void Given(benchmark::State &state, const std::string &line, bool report, bool exact)
{
    std::string text;
    for (auto _ : state) {
        text.clear();
        const calc::GivenLine givens = calc::ReadGivens(line);
        const calc::chapter::Solution solution =
            calc::chapter::Solve(givens.givens, {.exactValues = exact});
        if (report)
            calc::chapter::AppendReport(text, solution, {.lineEnd = "\n"}, exact);
        benchmark::DoNotOptimize(solution.triangles.data());
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK_CAPTURE(Given, SolveSideAngleSide, "a=5 b=7 gamma=60", false, false);
BENCHMARK_CAPTURE(Given, SolveAmbiguousTwo, "a=1.5 b=2 alpha=30", false, false);
BENCHMARK_CAPTURE(Given, SolveTwoAnglesPerimeter, "alpha=37.5 beta=61.2 P=10", false, false);
BENCHMARK_CAPTURE(Given, SolveSideTwoAltitudes, "a=5 ha=3 hb=4", false, false);
BENCHMARK_CAPTURE(Given, SolveThreeSides, "a=3.7 b=4.1 c=5.3", false, false);
BENCHMARK_CAPTURE(Given, SolveAltitudeBisectorAngle, "alpha=60 ha=3 la=3.2", false, false);
// On the edge: sin β = 1 exactly, decided by the exact arithmetic.
BENCHMARK_CAPTURE(Given, SolveAmbiguousEdge, "a=1 b=2 alpha=30", false, false);
BENCHMARK_CAPTURE(Given, ReportSideAngleSide, "a=5 b=7 gamma=60", true, false);
BENCHMARK_CAPTURE(Given, ReportAmbiguousTwo, "a=1.5 b=2 alpha=30", true, false);
BENCHMARK_CAPTURE(Given, ExactSideAngleSide, "a=5 b=7 gamma=30", true, true);
// Without a closed form: the search, through the solve and its report.
BENCHMARK_CAPTURE(Given, ReportThreeBisectors,
                  "la=5.98222218314572 lb=5.1234753829798 lc=4.22507274131718", true, false);

// The certified search, on the elements of the triangle 5, 6, 7 (as doubles, each its own
// exact value): the whole search, every triangle proven.
void Search(benchmark::State &state, std::array<calc::search::Given, 3> given)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(calc::search::Find(given));
}
using calc::Element;
BENCHMARK_CAPTURE(Search, ThreeBisectors,
                  {{{Element::BisectorA, 5.982222183145717, 5.982222183145717},
                    {Element::BisectorB, 5.123475382979799, 5.123475382979799},
                    {Element::BisectorC, 4.225072741317183, 4.225072741317183}}});
BENCHMARK_CAPTURE(Search, BisectorAltitudeMedian,
                  {{{Element::BisectorA, 5.982222183145717, 5.982222183145717},
                    {Element::AltitudeA, 5.878775382679628, 5.878775382679628},
                    {Element::MedianA, 6.020797289396148, 6.020797289396148}}});
BENCHMARK_CAPTURE(Search, SideInradiusCircumradius,
                  {{{Element::SideA, 5, 5},
                    {Element::Inradius, 1.632993161855452, 1.632993161855452},
                    {Element::Circumradius, 3.5721725415588015, 3.5721725415588015}}});

// The worked solution of a triangle by three elements as text, as --given --steps adds it.
void GivenSteps(benchmark::State &state, const std::string &line)
{
    const calc::GivenLine givens = calc::ReadGivens(line);
    std::string text;
    for (auto _ : state) {
        text.clear();
        const calc::chapter::Solution solution =
            calc::chapter::Solve(givens.givens, {.exactValues = true});
        solution::AppendText(text, solution::WorkChapter(solution));
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK_CAPTURE(GivenSteps, SideAngleSide, "a=5 b=7 gamma=60");
BENCHMARK_CAPTURE(GivenSteps, AmbiguousTwo, "a=1.5 b=2 alpha=30");
BENCHMARK_CAPTURE(GivenSteps, OtherAngle, "a=5 b=7 gamma=50");

} // namespace

BENCHMARK_MAIN();
