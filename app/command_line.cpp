#include "command_line.h"

#include "calculate.h"

#include <algorithm>
#include <array>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace app
{
namespace
{

using calc::InputMode;

constexpr std::string_view kUsage =
    "Употреба: bisectors [--heights | --sides | --medians] [X1 X2 X3]\n";

constexpr std::string_view kHelp =
    "Ъглополовящи в триъгълник по трите му височини, страни или медиани.\n"
    "Без аргументи програмата отваря своя прозорец.\n"
    "\n"
    "  --heights    X1, X2, X3 са височините ha, hb, hc\n"
    "  --sides      X1, X2, X3 са страните a = BC, b = AC, c = AB\n"
    "  --medians    X1, X2, X3 са медианите ma, mb, mc\n"
    "  -h, --help   тази помощ\n"
    "  --version    версията на програмата\n"
    "\n"
    "Програмата извежда лицето, дължините на страните (ако не са дадени) и дължините\n"
    "на трите вътрешни ъглополовящи, както в прозореца. Всяко число се чете както там:\n"
    "интервалите се пропускат, десетичният знак е точка, а четенето спира при първия\n"
    "знак, който не е част от число. В резултата десетичният знак е този на езиковите\n"
    "настройки.\n"
    "\n"
    "Без числа тройките се четат от стандартния вход, по една на ред, с интервали или\n"
    "табулации между числата; празните редове и редовете, започващи с #, се пропускат.\n"
    "\n"
    "Изходен код: 0 при успех, 1 при некоректни данни, 2 при грешка в командния ред\n"
    "или във входен ред.\n";

struct Kind {
    std::string_view option;
    InputMode mode;
};
constexpr std::array kKinds = {Kind{"--heights", InputMode::Heights},
                               Kind{"--sides", InputMode::Sides},
                               Kind{"--medians", InputMode::Medians}};

// What the command line asks for; `problem` is set when it is malformed.
struct Request {
    bool help = false;
    bool version = false;
    std::optional<InputMode> mode;
    std::vector<std::string_view> numbers;
    std::string problem;
};

std::string Quoted(std::string_view text)
{
    return "„" + std::string(text) + "“";
}

std::string CountProblem(std::size_t count)
{
    return "нужни са три числа, а " + std::string(count == 1 ? "е дадено " : "са дадени ") +
           std::to_string(count);
}

// Options are "-h" and the words that start with "--"; every other argument is a number
// text, so that "-5" reads as a number. After "--" every argument is a number text.
Request Parse(std::span<const char *const> arguments)
{
    Request request;
    const auto fail = [&request](std::string problem) {
        if (request.problem.empty())
            request.problem = std::move(problem);
    };
    bool options = true;
    for (const char *argument : arguments) {
        const std::string_view text = argument;
        if (!options || !(text == "-h" || text.starts_with("--"))) {
            request.numbers.push_back(text);
        } else if (text == "--") {
            options = false;
        } else if (text == "-h" || text == "--help") {
            request.help = true;
        } else if (text == "--version") {
            request.version = true;
        } else if (const auto kind =
                       std::find_if(kKinds.begin(), kKinds.end(),
                                    [text](const Kind &k) { return k.option == text; });
                   kind == kKinds.end()) {
            fail("непозната опция " + Quoted(text));
        } else if (request.mode) {
            fail("видът на данните е зададен два пъти");
        } else {
            request.mode = kind->mode;
        }
    }
    if (!request.problem.empty() || request.help || request.version)
        return request;
    if (!request.mode)
        request.problem = "липсва видът на данните: --heights, --sides или --medians";
    else if (!request.numbers.empty() && request.numbers.size() != 3)
        request.problem = CountProblem(request.numbers.size());
    return request;
}

std::vector<std::string_view> Fields(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t pos = 0;
    while (true) {
        pos = line.find_first_not_of(" \t", pos);
        if (pos == std::string_view::npos)
            return fields;
        const std::size_t end = std::min(line.find_first_of(" \t", pos), line.size());
        fields.push_back(line.substr(pos, end - pos));
        pos = end;
    }
}

// One triple per line: the triple echoed, then its report or the reason it has none.
int RunWorksheet(InputMode mode, std::string_view separator, std::istream &in, std::ostream &out,
                 std::ostream &err)
{
    int status = 0;
    bool first = true;
    std::string line;
    for (long number = 1; std::getline(in, line); ++number) {
        if (line.ends_with('\r'))
            line.pop_back();
        const std::vector<std::string_view> fields = Fields(line);
        if (fields.empty() || fields.front().starts_with('#'))
            continue;
        if (!first)
            out << '\n';
        first = false;
        for (std::size_t i = 0; i < fields.size(); ++i)
            out << (i ? " " : "") << fields[i];
        out << '\n';

        std::string problem;
        if (fields.size() != 3) {
            problem = CountProblem(fields.size());
            status = 2;
        } else {
            const calc::Solution solution =
                calc::Calculate(mode, {fields[0], fields[1], fields[2]}, separator);
            const std::string report = calc::ReportText(solution, {separator, "\n"});
            if (solution.outcome == calc::Outcome::Solved) {
                out << report;
                continue;
            }
            problem = report;
            status = std::max(status, 1);
        }
        out << problem << '\n';
        err << "bisectors: ред " << number << ": " << problem << '\n';
    }
    return status;
}

int Run(std::span<const char *const> arguments, std::string_view version,
        std::string_view decimalSeparator, std::istream &in, std::ostream &out, std::ostream &err)
{
    const Request request = Parse(arguments);
    if (!request.problem.empty()) {
        err << "bisectors: " << request.problem << '\n' << kUsage;
        return 2;
    }
    if (request.help) {
        out << kUsage << kHelp;
        return 0;
    }
    if (request.version) {
        out << "bisectors " << version << '\n';
        return 0;
    }
    if (request.numbers.empty())
        return RunWorksheet(*request.mode, decimalSeparator, in, out, err);

    const calc::Solution solution =
        calc::Calculate(*request.mode, {request.numbers[0], request.numbers[1], request.numbers[2]},
                        decimalSeparator);
    const std::string report = calc::ReportText(solution, {decimalSeparator, "\n"});
    if (solution.outcome != calc::Outcome::Solved) {
        err << report << '\n';
        return 1;
    }
    out << report;
    return 0;
}

} // namespace

int RunCommandLine(std::span<const char *const> arguments, std::string_view version,
                   std::string_view decimalSeparator, std::istream &in, std::ostream &out,
                   std::ostream &err)
{
    const int status = Run(arguments, version, decimalSeparator, in, out, err);
    // A report that could not be written (a full disk, a closed pipe) is no success.
    if (!out.flush()) {
        err << "bisectors: резултатът не може да бъде записан\n";
        return 2;
    }
    return status;
}

} // namespace app
