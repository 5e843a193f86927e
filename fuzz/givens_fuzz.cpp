// Arbitrary bytes as a line of givens (bisectors --given), with either decimal separator and
// with or without the exact values: nothing may crash or take long; a report never prints
// "nan" or "inf"; every triangle found is a real one and has the givens.
#include "chapter_report.h"
#include "givens.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace
{

[[noreturn]] void Fail(const char *what, const std::string &text)
{
    std::fprintf(stderr, "%s:\n%s\n", what, text.c_str());
    std::abort();
}

bool Close(double x, double y)
{
    return std::fabs(x - y) <= 1e-6 * std::max(std::fabs(x), std::fabs(y));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    const std::string_view separator = provider.ConsumeBool() ? "," : ".";
    const bool exact = provider.ConsumeBool();
    const std::string line = provider.ConsumeRemainingBytesAsString();
    const calc::GivenLine givens = calc::ReadGivens(line, separator);
    if (givens.problem != calc::GivenProblem::None) {
        if (calc::GivenProblemText(givens).empty())
            Fail("a problem without words", line);
        return 0;
    }
    const calc::chapter::Solution solution =
        calc::chapter::Solve(givens.givens, {.exactValues = exact});
    std::string report;
    calc::chapter::AppendReport(report, solution, {.decimalSeparator = separator}, exact);
    if (report.find("nan") != std::string::npos || report.find("inf") != std::string::npos)
        Fail("a report with a value that is no number", report);
    for (const calc::chapter::SolvedTriangle &t : solution.triangles) {
        const std::array<double, 3> s = t.Sides();
        for (std::size_t i = 0; i < 3; ++i)
            if (!(s[i] > 0 && s[i] < s[(i + 1) % 3] + s[(i + 2) % 3] + s[i] * 1e-9))
                Fail("a side that belongs to no triangle", report);
        for (const calc::Given &given : givens.givens)
            if (!Close(t.Of(given.element).value, given.value))
                Fail("a triangle without the givens", report);
    }
    return 0;
}
