#include "command_line.h"

#include "calculate.h"
#include "docx_module.h"
#include "figure.h"
#include "generator.h"
#include "kinds.h"
#include "line_io.h"
#include "printout.h"
#include "text_report.h"
#include "utf8.h"
#include "worksheet.h"

#include <algorithm>
#include <array>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace app
{
namespace
{

using calc::InputMode;

// Every option, in the forms the manual page's synopsis gives, within 80 columns.
constexpr std::string_view kUsage =
    "Употреба: bisectors {--heights|--sides|--medians} [--exact] [--steps]\n"
    "                    [X1 X2 X3]\n"
    "          bisectors {--heights|--sides|--medians} --svg X1 X2 X3\n"
    "          bisectors {--heights|--sides|--medians} {--html|--docx} [--sheet]\n"
    "                    [X1 X2 X3]\n"
    "          bisectors {--heights|--sides|--medians} --generate N [--level L]\n"
    "                    [--impossible K] [--variants V] [--seed S]\n"
    "                    [{--html|--docx} [--sheet]]\n"
    "          bisectors -h | --help | --version\n"
    "          bisectors [ОПЦИЯ-НА-QT ...]\n";

constexpr std::string_view kHelp =
    "Ъглополовящи в триъгълник по трите му височини, страни или медиани.\n"
    "Без аргументи програмата отваря своя прозорец.\n"
    "\n"
    "  --heights    X1, X2, X3 са височините ha, hb, hc\n"
    "  --sides      X1, X2, X3 са страните a = BC, b = AC, c = AB\n"
    "  --medians    X1, X2, X3 са медианите ma, mb, mc\n"
    "  --svg        вместо отчета чертеж на триъгълника и ъглополовящите му, като SVG\n"
    "               (с трите числа)\n"
    "  --html       вместо отчета ключ с отговори за печат: HTML страница с данните,\n"
    "               отчета, точните стойности, чертежа и решението на всяка тройка\n"
    "  --docx       същото като документ за Word и LibreOffice Writer (.docx), който\n"
    "               учителят редактира: формулите и чертежите се редактират там\n"
    "  --exact      след отчета и точните стойности, които имат квадрат рационално\n"
    "               число, във вида n√r/d, с десетичния им запис (Yg_a = 4√10/3 ≈\n"
    "               4,21637021355784)\n"
    "  --steps      след отчета (и точните стойности) решението, както го пише учител:\n"
    "               формулите, точните числа, заместени в тях, и резултатите, с\n"
    "               проверка; за отказана тройка защо е отказана\n"
    "  --sheet      с --html или --docx: листът на учениците вместо ключа: задачите с\n"
    "               номерата от ключа и място за решението, без отговорите\n"
    "  -h, --help   тази помощ\n"
    "  --version    версията на програмата\n"
    "\n"
    "  --generate N     N задачи от избрания вид, по една тройка на ред: кратки\n"
    "                   десетични числа с точни отговори; с --html или --docx ключът\n"
    "                   или листът им направо\n"
    "  --level L        1: малки цели числа или с един десетичен знак и кратки точни\n"
    "                   отговори (ъглополовящите с числа до 100); 2 (без --level):\n"
    "                   кратки десетични числа с точни отговори; 3: по-дълги десетични\n"
    "                   числа, тъпоъгълни и много издължени триъгълници\n"
    "  --impossible K   K от тях без триъгълник, от различни видове: точно равенство,\n"
    "                   твърде дълга страна, десетични числа, чийто сбор е точно\n"
    "                   третото (0,1 + 0,2 = 0,3); за височини реципрочните им стойности,\n"
    "                   за медиани и 2m_b² + 2m_c² < m_a²\n"
    "  --variants V     V варианта (от 2 до 4), А, Б, В, Г, от едно и също ниво и със\n"
    "                   същите видове невъзможни задачи\n"
    "  --seed S         числото, от което зависи изборът: същото S дава същите задачи\n"
    "                   навсякъде; без него програмата избира S и го пише в първия ред\n"
    "\n"
    "Програмата извежда лицето, дължините на страните (ако не са дадени) и дължините\n"
    "на трите вътрешни ъглополовящи, както в прозореца. Всяко число се чете както там:\n"
    "интервалите се пропускат, десетичният знак е точка или запетая при всякакви\n"
    "езикови настройки („3,5“ и „3.5“ са 3,5), а четенето спира при първия знак, който\n"
    "не е част от число. В резултата десетичният знак е този на езиковите настройки.\n"
    "Числата в отчета са до 1e-10 от точните стойности: цифрите на формулата с двойна\n"
    "точност, където тя е толкова близо (последната може да се различава от точната\n"
    "стойност, закръглена), а другаде точната стойност, закръглена веднъж; точните\n"
    "стойности и числата в решението са закръглени веднъж от точните.\n"
    "\n"
    "Страни и медиани се отказват, когато една е поне колкото другите две заедно;\n"
    "височини, когато реципрочните им стойности не образуват триъгълник. Това се решава\n"
    "точно, за числата както са написани: 0,1, 0,2 и 0,3 не са страни на триъгълник.\n"
    "\n"
    "Без числа тройките се четат от стандартния вход, по една на ред, с интервали или\n"
    "табулации между числата; празните редове и редовете, започващи с #, се пропускат.\n"
    "С опциите на Qt (например -session, -platform, -style) се отваря прозорецът.\n"
    "\n"
    "Изходен код: 0 при успех, 1 при некоректни данни или триъгълник, който не може да\n"
    "бъде начертан (--svg), 2 при грешка в командния ред или във входен ред.\n";

// What is written for each triple: the report, the figure, or an answer key of them all, as
// a page or as a document to edit.
enum class Format { Report, Svg, Html, Docx };

// What the command line asks for; `problem` is set when it is malformed.
struct Request {
    bool help = false;
    bool version = false;
    std::optional<InputMode> mode;
    std::optional<Format> format;
    bool exact = false;
    bool sheet = false;
    // --generate N, --impossible K, --seed S, --level L, --variants V
    std::optional<int> generate;
    std::optional<int> impossible;
    std::optional<std::uint64_t> seed;
    std::optional<int> level;
    std::optional<int> variants;
    bool steps = false;
    std::vector<std::string_view> numbers;
    std::string problem;
};

// An argument in quotes, as UTF-8 whatever its bytes.
std::string Quoted(std::string_view text)
{
    std::string quoted = "„";
    calc::AppendUtf8(quoted, text);
    quoted += "“";
    return quoted;
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
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view text = arguments[i];
        if (options && (text == "--generate" || text == "--impossible" || text == "--seed" ||
                        text == "--level" || text == "--variants")) {
            const std::optional<std::uint64_t> value =
                i + 1 < arguments.size() ? calc::ReadWhole(arguments[++i]) : std::nullopt;
            const auto count = [&value] {
                return static_cast<int>(std::min<std::uint64_t>(*value, 1'000'000));
            };
            if (!value)
                fail("след " + std::string(text) + " трябва цяло неотрицателно число");
            else if (text == "--seed")
                request.seed = *value;
            else if (text == "--level")
                request.level = count();
            else if (text == "--variants")
                request.variants = count();
            else
                (text == "--generate" ? request.generate : request.impossible) = count();
        } else if (!options || !(text == "-h" || text.starts_with("--"))) {
            request.numbers.push_back(text);
        } else if (text == "--") {
            options = false;
        } else if (text == "-h" || text == "--help") {
            request.help = true;
        } else if (text == "--version") {
            request.version = true;
        } else if (text == "--exact") {
            request.exact = true;
        } else if (text == "--steps") {
            request.steps = true;
        } else if (text == "--sheet") {
            request.sheet = true;
        } else if (text == "--svg" || text == "--html" || text == "--docx") {
            if (request.format)
                fail("--svg, --html и --docx са взаимно изключващи се");
            request.format = text == "--svg"    ? Format::Svg
                             : text == "--html" ? Format::Html
                                                : Format::Docx;
        } else if (const auto kind =
                       std::find_if(calc::kKinds.begin(), calc::kKinds.end(),
                                    [text](const calc::KindWords &k) { return k.option == text; });
                   kind == calc::kKinds.end()) {
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
        request.problem = worksheet::CountProblem(request.numbers.size());
    else if (request.format == Format::Svg && request.numbers.empty())
        request.problem = "--svg чертае една тройка: нужни са три числа";
    else if (request.sheet && request.format != Format::Html && request.format != Format::Docx)
        request.problem = "--sheet е лист за печат: само с --html или --docx";
    else if ((request.impossible || request.seed || request.level || request.variants) &&
             !request.generate)
        request.problem = "--level, --impossible, --variants и --seed са за --generate";
    else if (request.generate &&
             (!request.numbers.empty() || request.format == Format::Svg || request.exact))
        request.problem = "--generate пише задачи: без числа, --svg и --exact";
    return request;
}

// Says on standard error why a triple has no report: "bisectors: ред N: " before the
// reason for the worksheet line N, the reason alone for the numbers of the command line
// (number 0).
void SayProblem(std::string_view problem, long number, Output &err)
{
    std::string message;
    if (number > 0) {
        message += "bisectors: ред ";
        message += std::to_string(number);
        message += ": ";
    }
    message += problem;
    message += '\n';
    err.Write(message);
}

// Says on standard error why a record has no report, and returns the exit status that
// asks for: 1 for a refused triple, 2 for a line that is no triple.
int SayProblem(const worksheet::Record &record, Output &err)
{
    SayProblem(worksheet::Problem(record), record.number, err);
    return record.Malformed() ? 2 : 1;
}

// One triple per line: the triple echoed, then its report or the reason it has none, which
// standard error says too, at once, between the reports before and after it.
int RunWorksheet(const Request &request, std::string_view separator, int in, Output &out,
                 Output &err)
{
    int status = 0;
    worksheet::Reader reader(*request.mode, separator,
                             {.exactValues = request.exact || request.steps});
    worksheet::TextReport report(separator, request.exact, request.steps);
    LineReader lines(in, &out);
    for (std::string_view line; lines.Next(line);) {
        const worksheet::Record *record = reader.Read(line);
        if (record == nullptr)
            continue;
        report.Add(out.Pending(), *record);
        if (record->Solved()) {
            out.Spill();
            continue;
        }
        status = std::max(status, SayProblem(*record, err));
        err.Flush();
    }
    if (lines.Failed()) {
        err.Write("bisectors: входът не може да бъде прочетен\n");
        return 2;
    }
    return status;
}

// The printable page of a worksheet, or of one triple: the answer key, or with `sheet` the
// student's sheet, as HTML or as a document for Word and Writer (`format`). The page goes
// to standard output, written as it is made (the document when it is finished), and the reason
// for every triple without a report to standard error, as for a worksheet. The worksheet
// is standard input, or the `list` of exercises made here, whose impossible triples were
// asked for and are no fault; nor are they on a students' sheet, where they are the
// students' to find.
int RunPrintedPage(InputMode mode, std::string_view separator, Format format, bool sheet,
                   const std::vector<std::string_view> &numbers,
                   std::optional<std::string_view> list, int in, Output &out, Output &err)
{
    int status = 0;
    if (format == Format::Docx && out.Terminal()) {
        err.Write("bisectors: --docx пише файл: пренасочете изхода, например > key.docx\n");
        return 2;
    }
    const auto kind = sheet ? worksheet::Printout::Kind::Sheet : worksheet::Printout::Kind::Key;
    std::string problem;
    const std::unique_ptr<worksheet::Document> page =
        format == Format::Docx ? LoadDocx(mode, separator, kind, problem)
                               : std::make_unique<worksheet::Printout>(mode, separator, kind);
    if (!page) {
        err.Write("bisectors: " + problem + "\n");
        return 2;
    }
    worksheet::Reader reader(mode, separator, page->Options());
    const auto add = [&](const worksheet::Record &record) {
        page->Add(out.Pending(), record);
        out.Spill();
        if (record.Malformed() || (!record.Solved() && !list && !sheet))
            status = std::max(status, SayProblem(record, err));
    };
    if (!numbers.empty()) {
        add(reader.Triple({numbers[0], numbers[1], numbers[2]}));
    } else if (list) {
        worksheet::ForEachLine(*list, [&](std::string_view line) {
            if (const worksheet::Record *record = reader.Read(line))
                add(*record);
        });
    } else {
        LineReader lines(in);
        for (std::string_view line; lines.Next(line);)
            if (const worksheet::Record *record = reader.Read(line))
                add(*record);
        if (lines.Failed()) {
            err.Write("bisectors: входът не може да бъде прочетен\n");
            return 2;
        }
    }
    problem = page->Finish(out.Pending(), [&out] { out.Spill(); });
    if (!problem.empty()) {
        err.Write("bisectors: " + problem + "\n");
        return 2;
    }
    return status;
}

// Exercises made from a seed: their list, or its key or sheet. Without a seed, one is
// chosen, and the list's first line says which.
int RunExercises(const Request &request, std::string_view separator, Output &out, Output &err)
{
    const teacher::ExerciseRequest exercises{
        .mode = *request.mode,
        .count = *request.generate,
        .impossible = request.impossible.value_or(0),
        .seed = request.seed ? *request.seed : 1 + std::random_device()() % 999'999,
        .level = request.level.value_or(2),
        .variants = request.variants.value_or(1)};
    if (const std::string problem = teacher::RequestProblem(exercises); !problem.empty()) {
        err.Write("bisectors: " + problem + "\n");
        return 2;
    }
    const std::string list = teacher::Exercises(exercises, separator);
    if (request.format != Format::Html && request.format != Format::Docx) {
        out.Write(list);
        return 0;
    }
    return RunPrintedPage(exercises.mode, separator, *request.format, request.sheet, {}, list, -1,
                          out, err);
}

int Run(std::span<const char *const> arguments, std::string_view version,
        std::string_view decimalSeparator, int in, Output &out, Output &err)
{
    const Request request = Parse(arguments);
    if (!request.problem.empty()) {
        err.Write("bisectors: " + request.problem + "\n");
        err.Write(kUsage);
        return 2;
    }
    if (request.help) {
        out.Write(kUsage);
        out.Write(kHelp);
        return 0;
    }
    if (request.version) {
        out.Write("bisectors " + std::string(version) + "\n");
        return 0;
    }
    if (request.generate)
        return RunExercises(request, decimalSeparator, out, err);
    if (request.format == Format::Html || request.format == Format::Docx)
        return RunPrintedPage(*request.mode, decimalSeparator, *request.format, request.sheet,
                              request.numbers, std::nullopt, in, out, err);
    if (request.numbers.empty())
        return RunWorksheet(request, decimalSeparator, in, out, err);

    const calc::Solution solution =
        calc::Calculate(*request.mode, {request.numbers[0], request.numbers[1], request.numbers[2]},
                        decimalSeparator, {.exactValues = request.exact || request.steps});
    const worksheet::TextReport report(decimalSeparator, request.exact, request.steps);
    if (solution.outcome != calc::Outcome::Solved) {
        SayProblem(calc::RefusalText(solution.outcome), 0, err);
        if (request.format != Format::Svg) // why, in the worked solution's terms
            report.AddSteps(out.Pending(), solution);
        return 1;
    }
    if (request.format != Format::Svg) {
        report.AddReport(out.Pending(), solution);
        return 0;
    }
    // A solved triangle may still have no figure (a side of length 0): no empty document.
    const std::string svg = figure::Svg(solution, {.decimalSeparator = decimalSeparator});
    if (svg.empty()) {
        SayProblem(figure::NoFigureReason(solution), 0, err);
        return 1;
    }
    out.Write(svg);
    return 0;
}

} // namespace

int RunCommandLine(std::span<const char *const> arguments, std::string_view version,
                   std::string_view decimalSeparator, int in, int out, int err)
{
    Output output(out);
    Output errors(err, &output);
    int status = Run(arguments, version, decimalSeparator, in, output, errors);
    // A report that could not be written (a full disk, a closed pipe) is no success.
    if (!output.Flush()) {
        errors.Write("bisectors: резултатът не може да бъде записан\n");
        status = 2;
    }
    errors.Flush();
    return status;
}

} // namespace app
