#include "givens.h"

#include "numbers.h"
#include "report.h"
#include "utf8.h"

namespace calc
{
namespace
{

bool Blank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Reads the next `name=value` from the start of `rest`: false at its end. `name` and
// `value` are left empty where missing; `word` is what was read.
bool NextPair(std::string_view &rest, std::string_view &word, std::string_view &name,
              std::string_view &value, bool &equals)
{
    std::size_t i = 0;
    while (i < rest.size() && Blank(rest[i]))
        ++i;
    if (i == rest.size())
        return false;
    const std::size_t start = i;
    while (i < rest.size() && !Blank(rest[i]) && rest[i] != '=')
        ++i;
    name = rest.substr(start, i - start);
    std::size_t j = i;
    while (j < rest.size() && Blank(rest[j]))
        ++j;
    equals = j < rest.size() && rest[j] == '=';
    value = {};
    if (equals) {
        ++j;
        while (j < rest.size() && Blank(rest[j]))
            ++j;
        std::size_t end = j;
        while (end < rest.size() && !Blank(rest[end]))
            ++end;
        // A value that holds "=" is the next pair: this one has none.
        if (rest.substr(j, end - j).find('=') == std::string_view::npos) {
            value = rest.substr(j, end - j);
            j = end;
        }
        i = j;
    }
    word = rest.substr(start, i - start);
    rest.remove_prefix(i);
    return true;
}

std::string Quoted(std::string_view text)
{
    std::string quoted = "„";
    AppendUtf8(quoted, text);
    quoted += "“";
    return quoted;
}

} // namespace

GivenLine ReadGivens(std::string_view line, std::string_view decimalSeparator)
{
    GivenLine result;
    const auto fail = [&result](GivenProblem problem, std::string_view about) {
        if (result.problem == GivenProblem::None) {
            result.problem = problem;
            result.about = about;
        }
    };
    std::string_view word, name, value;
    bool equals = false;
    for (std::string_view rest = line; NextPair(rest, word, name, value, equals);) {
        const std::size_t index = result.count++;
        if (result.problem != GivenProblem::None)
            continue;
        if (!equals || name.empty()) {
            fail(GivenProblem::NotNamed, word);
            continue;
        }
        const std::optional<Element> element = ElementNamed(name);
        if (!element) {
            fail(GivenProblem::UnknownName, name);
            continue;
        }
        if (value.empty()) {
            fail(GivenProblem::MissingValue, name);
            continue;
        }
        for (std::size_t i = 0; i < index && i < 3; ++i)
            if (result.givens[i].element == *element)
                fail(GivenProblem::Repeated, name);
        if (index >= 3 || result.problem != GivenProblem::None)
            continue;
        const BoundedNumber number = ReadBoundedNumber(value, decimalSeparator);
        if (!number.withinBounds) {
            fail(GivenProblem::TooLong, name);
            continue;
        }
        result.givens[index] = {*element, value, number.value,
                                exact::ReadExactNumber(value, decimalSeparator)};
    }
    if (result.problem == GivenProblem::None && result.count != 3)
        result.problem = GivenProblem::Count;
    return result;
}

std::string GivenProblemText(const GivenLine &line)
{
    switch (line.problem) {
    case GivenProblem::None:
        return {};
    case GivenProblem::NotNamed:
        return Quoted(line.about) + " не е от вида име=стойност, например a=5 или gamma=60";
    case GivenProblem::UnknownName: {
        std::string names;
        for (const ElementInfo &info : kElements) {
            names += names.empty() ? "" : " ";
            names += info.ascii;
        }
        return "непознат елемент " + Quoted(line.about) + ": елементите са " + names;
    }
    case GivenProblem::MissingValue:
        return "липсва стойност след " + Quoted(std::string(line.about) + "=");
    case GivenProblem::Repeated:
        return Quoted(line.about) + " е даден два пъти";
    case GivenProblem::Count:
        return "нужни са три елемента, дадени са " + std::to_string(line.count);
    case GivenProblem::TooLong:
        return std::string(kTooLong);
    }
    return {};
}

} // namespace calc
