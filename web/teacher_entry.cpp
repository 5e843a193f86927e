// The teacher's part of the web page, compiled to WebAssembly with the core: exercises made
// from a seed, and the printable pages of a list, the students' sheet and the answer key,
// as the command line makes them (bisectors --generate, --html --sheet, --html). Texts
// cross as UTF-8 with a final NUL; a text returned stays valid until the next call.
#include "generator.h"
#include "printout.h"

#include <charconv>
#include <string>
#include <string_view>

namespace
{

std::string text;

bool Kind(int kind, calc::InputMode &mode)
{
    if (kind < 0 || kind > 2)
        return false;
    mode = static_cast<calc::InputMode>(kind);
    return true;
}

teacher::ExerciseRequest Request(calc::InputMode mode, int count, int impossible, const char *seed)
{
    teacher::ExerciseRequest request{.mode = mode, .count = count, .impossible = impossible};
    const std::string_view digits = seed;
    std::from_chars(digits.data(), digits.data() + digits.size(), request.seed);
    return request;
}

} // namespace

extern "C" {

// Why these exercises cannot be made, in Bulgarian; empty when they can.
const char *TeacherProblem(int kind, int count, int impossible)
{
    calc::InputMode mode{};
    text = Kind(kind, mode) ? teacher::RequestProblem(Request(mode, count, impossible, ""))
                            : "няма такъв вид задачи";
    return text.c_str();
}

// The exercises, a comment line and a triple a line (teacher::Exercises), with the seed
// in decimal digits.
const char *TeacherExercises(int kind, int count, int impossible, const char *seed,
                             const char *decimalSeparator)
{
    calc::InputMode mode{};
    text = Kind(kind, mode)
               ? teacher::Exercises(Request(mode, count, impossible, seed), decimalSeparator)
               : std::string();
    return text.c_str();
}

// The printable page of a list, one triple a line as a worksheet: the students' sheet, or
// the answer key.
const char *TeacherPage(int kind, const char *list, int sheet, const char *decimalSeparator)
{
    calc::InputMode mode{};
    text.clear();
    if (!Kind(kind, mode))
        return text.c_str();
    worksheet::Printout page(mode, decimalSeparator,
                             sheet != 0 ? worksheet::Printout::Kind::Sheet
                                        : worksheet::Printout::Kind::Key);
    worksheet::Reader reader(mode, decimalSeparator, page.Options());
    worksheet::ForEachLine(list, [&](std::string_view line) {
        if (const worksheet::Record *record = reader.Read(line))
            page.Add(text, *record);
    });
    page.Finish(text);
    return text.c_str();
}

} // extern "C"
