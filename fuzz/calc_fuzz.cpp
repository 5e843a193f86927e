// Arbitrary bytes as the three input texts, in each input kind and with either decimal
// separator: the result must be the refusal, the range message, the message for a number
// too long, or a well-formed report of a real triangle (for altitudes, one that has them);
// nothing may crash, no report may print "nan", "inf" or "-0", and no input may take long
// (the run's -timeout fails the slow ones as it does a crash).
#include "calculate.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{

// Each input text up to this many characters: a hundred times the longest number the
// calculation takes, with room for long runs of spaces and zeros around it (-max_len in
// CMakeLists.txt is three of them and the bytes that end them).
constexpr std::size_t kLongestInput = 20'000;

[[noreturn]] void Fail(const char *what, const std::string &text)
{
    std::fprintf(stderr, "%s:\n%s\n", what, text.c_str());
    std::abort();
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A printed number: digits, an optional separator with digits, an optional exponent
// "E", sign, two or more digits; never a minus sign (lengths are not negative).
bool WellFormedNumber(std::string_view text, std::string_view separator)
{
    std::size_t i = 0;
    const auto digits = [&] {
        const std::size_t from = i;
        while (i < text.size() && IsDigit(text[i]))
            ++i;
        return i - from;
    };
    if (digits() == 0)
        return false;
    if (text.substr(i, separator.size()) == separator) {
        i += separator.size();
        if (digits() == 0 || text[i - 1] == '0')
            return false;
    }
    if (i < text.size() && text[i] == 'E') {
        ++i;
        if (i == text.size() || (text[i] != '+' && text[i] != '-'))
            return false;
        ++i;
        if (digits() < 2)
            return false;
    }
    return i == text.size();
}

void CheckReport(const std::string &report, calc::InputMode mode, std::string_view separator)
{
    std::vector<std::string_view> labels;
    if (mode != calc::InputMode::Sides)
        labels = {calc::kSidesHeading, calc::kSideLabels[0], calc::kSideLabels[1],
                  calc::kSideLabels[2]};
    for (std::string_view label : {calc::kArea, calc::kBisectorsHeading, calc::kBisectorLabels[0],
                                   calc::kBisectorLabels[1], calc::kBisectorLabels[2]})
        labels.push_back(label);

    constexpr std::string_view kLineEnd = "\r\n";
    std::string_view rest(report);
    for (std::string_view label : labels) {
        const std::size_t end = rest.find(kLineEnd);
        if (end == std::string_view::npos)
            Fail("a line without CR LF", report);
        const std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end + kLineEnd.size());
        if (line.substr(0, label.size()) != label)
            Fail("a line with the wrong text", report);
        const bool heading = label == calc::kSidesHeading || label == calc::kBisectorsHeading;
        const std::string_view value = line.substr(label.size());
        if (heading ? !value.empty() : !WellFormedNumber(value, separator))
            Fail("a malformed value", report);
    }
    if (!rest.empty())
        Fail("text after the report", report);
}

// A number printed for the report reads back within its fifteen digits.
void CheckRoundTrip(double value, std::string_view separator)
{
    if (!std::isfinite(value))
        return;
    const std::string text = calc::NumberText(value, separator);
    const double back = calc::ReadNumber(text, separator);
    if (std::fabs(back - value) > std::fabs(value) * 1e-14)
        Fail("a number that does not read back", text);
}

// A solved triangle is a real one: each side shorter than the other two together, and
// the altitudes, when given, those of the triangle found (to rounding).
void CheckTriangle(const calc::Solution &solution, const std::array<double, 3> &given)
{
    const calc::Triangle &t = solution.triangle;
    const std::array<double, 3> s = t.Sides();
    for (std::size_t i = 0; i < 3; ++i)
        if (!(s[i] > 0 && s[i] < s[(i + 1) % 3] + s[(i + 2) % 3] + s[i] * 1e-9))
            Fail("a side that belongs to no triangle", calc::ReportText(solution));
    if (solution.mode != calc::InputMode::Heights)
        return;
    for (std::size_t i = 0; i < 3; ++i) {
        const double altitude = 2 * (t.area.value / s[i]);
        // (An altitude typed beyond the range of doubles reads as 0 or infinity.)
        if (std::isfinite(altitude) && given[i] >= DBL_MIN && std::isfinite(given[i]) &&
            std::fabs(altitude - given[i]) > given[i] * 1e-6)
            Fail("an altitude that does not come back", calc::ReportText(solution));
    }
}

} // namespace

extern "C" {

// AddressSanitizer keeps the memory of what was freed, up to 256 MB, to catch its use
// after free; with inputs of tens of kilobytes and their numbers that quarantine filled
// and the fuzzer's memory grew for minutes. A few megabytes still catch a use right after
// the free, and the run stays within -rss_limit_mb. ASAN_OPTIONS still wins.
// NOLINTNEXTLINE(bugprone-reserved-identifier,readability-identifier-naming): the runtime's name
const char *__asan_default_options()
{
    return "quarantine_size_mb=8:thread_local_quarantine_size_kb=256";
}
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    const auto mode = static_cast<calc::InputMode>(provider.ConsumeIntegralInRange(0, 2));
    const std::string_view separator = provider.ConsumeBool() ? "," : ".";
    std::array<std::string, 3> inputs;
    // Long enough for numbers on either side of the longest the calculation takes.
    for (std::string &input : inputs)
        input = provider.ConsumeRandomLengthString(kLongestInput);

    const calc::Solution solution =
        calc::Calculate(mode, {inputs[0], inputs[1], inputs[2]}, separator);
    const std::string report = calc::ReportText(solution, {.decimalSeparator = separator});
    switch (solution.outcome) {
    case calc::Outcome::Rejected:
        if (report != calc::kRejected)
            Fail("a refusal with the wrong text", report);
        break;
    case calc::Outcome::OutOfRange:
        if (report != calc::kOutOfRange)
            Fail("an out-of-range triangle with the wrong text", report);
        break;
    case calc::Outcome::TooLong:
        if (report != calc::kTooLong || solution.refused < 0 || solution.refused > 2)
            Fail("a length too long with the wrong text", report);
        break;
    case calc::Outcome::Solved: {
        CheckReport(report, mode, separator);
        std::array<double, 3> given{};
        for (std::size_t i = 0; i < 3; ++i)
            given[i] = calc::ReadNumber(inputs[i], separator);
        CheckTriangle(solution, given);
        break;
    }
    }
    for (const std::string &input : inputs)
        CheckRoundTrip(calc::ReadNumber(input, separator), separator);
    return 0;
}
