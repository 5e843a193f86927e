// Arbitrary bytes as the three input texts, in each input kind and with either decimal
// separator: the result must be the refusal, the range message, or a well-formed report;
// nothing may crash, and no report may print "nan", "inf" or "-0".
#include "calculate.h"
#include "memory_fields.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{

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
        labels = {calc::kSidesHeading, calc::kSideA, calc::kSideB, calc::kSideC};
    for (std::string_view label : {calc::kArea, calc::kBisectorsHeading, calc::kBisectorA,
                                   calc::kBisectorB, calc::kBisectorC})
        labels.push_back(label);

    std::string_view rest(report);
    for (std::string_view label : labels) {
        const std::size_t end = rest.find(calc::kLineEnd);
        if (end == std::string_view::npos)
            Fail("a line without CR LF", report);
        const std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end + calc::kLineEnd.size());
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
void CheckRoundTrip(double value)
{
    if (!std::isfinite(value))
        return;
    const std::string text = calc::NumberText(value);
    const double back = calc::ReadNumber(text);
    if (std::fabs(back - value) > std::fabs(value) * 1e-14)
        Fail("a number that does not read back", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    const auto mode = static_cast<calc::InputMode>(provider.ConsumeIntegralInRange(0, 2));
    const std::string_view separator = provider.ConsumeBool() ? "," : ".";
    MemoryFields fields;
    for (std::string &input : fields.inputs)
        input = provider.ConsumeRandomLengthString(100);
    fields.result = "previous";

    const calc::TriangleState before{.mode = mode, .a = 1, .b = 1, .c = 1};
    calc::TriangleState state = before;
    calc::Calculate(state, fields, separator);

    if (fields.result == calc::kRejected || fields.result == calc::kOutOfRange) {
        if (!(state == before))
            Fail("the state changed without a report", fields.result);
    } else {
        CheckReport(fields.result, mode, separator);
    }
    for (const std::string &input : fields.inputs)
        CheckRoundTrip(calc::ReadNumber(input));
    return 0;
}
