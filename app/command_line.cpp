#include "command_line.h"

#include "calculate.h"
#include "docx_module.h"
#include "figure.h"
#include "generator.h"
#include "given_lines.h"
#include "kinds.h"
#include "line_io.h"
#include "pipeline.h"
#include "printout.h"
#include "svg_figure.h"
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
    "          bisectors --given [--exact] [--steps]\n"
    "                    [ИМЕ=СТОЙНОСТ ИМЕ=СТОЙНОСТ ИМЕ=СТОЙНОСТ]\n"
    "          bisectors --given --svg ИМЕ=СТОЙНОСТ ИМЕ=СТОЙНОСТ ИМЕ=СТОЙНОСТ\n"
    "          bisectors --given {--html|--docx} [--sheet]\n"
    "                    [ИМЕ=СТОЙНОСТ ИМЕ=СТОЙНОСТ ИМЕ=СТОЙНОСТ]\n"
    "          bisectors --given --generate N [--level L] [--impossible K]\n"
    "                    [--variants V] [--seed S] [{--html|--docx} [--sheet]]\n"
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
    "  --given      триъгълник по кои да е три свои елемента, ИМЕ=СТОЙНОСТ, например\n"
    "               --given a=5 b=7 gamma=60: всички триъгълници с тях, всеки с\n"
    "               елементите си и вида си, или защо няма такъв; без тях по една\n"
    "               тройка на ред от стандартния вход. Имената са a b c (страните),\n"
    "               alpha beta gamma или α β γ (ъглите, в градуси), ha hb hc, ma mb mc,\n"
    "               la lb lc (височините, медианите и ъглополовящите от A, B и C),\n"
    "               r и R (радиусите на вписаната и описаната окръжност), S (лицето) и\n"
    "               P (периметъра). С --exact и точните стойности, където ъглите са\n"
    "               кратни на 15° (c = √39, cos γ = 1/2, γ = 60°); с --steps и\n"
    "               решението: формулите на училищния начин (косинусова и синусова\n"
    "               теорема, двусмисленият случай с броя на триъгълниците, Херон,\n"
    "               r = S/p, R = abc/(4S)), а за тройка без такъв уравненията и какво\n"
    "               доказа търсенето; с --svg вместо отчета чертеж на всеки\n"
    "               триъгълник, един до друг в един SVG документ (с трите елемента).\n"
    "               С --generate задачи от всички видове: три страни, две страни и\n"
    "               ъгъл, страна и два ъгъла, страна с височината и срещулежащия ъгъл,\n"
    "               r, R или P с два ъгъла (на ниво 1 ъглите са 30°, 45°, 60°, 90° и\n"
    "               120°, а страните цели числа; на ниво 3 и три ъглополовящи и други\n"
    "               без формула); с --html или --docx ключът или листът им\n"
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
    "                   числа, тъпоъгълни и много издължени триъгълници; на нива 1 и 2\n"
    "                   всеки отговор в отчета е точната стойност, закръглена\n"
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
    "интервалите (и неразделимите) се пропускат, десетичният знак е точка или запетая\n"
    "при всякакви езикови настройки („3,5“ и „3.5“ са 3,5), а четенето спира при\n"
    "първия знак, който не е част от число. В резултата десетичният знак е този на\n"
    "езиковите настройки.\n"
    "Числата в отчета са до 1e-10 от точните стойности: цифрите на формулата с двойна\n"
    "точност, където тя е толкова близо (последната може да се различава от точната\n"
    "стойност, закръглена), а другаде точната стойност, закръглена веднъж; точните\n"
    "стойности и числата в решението са закръглени веднъж от точните, а където отчетът\n"
    "дава цифрите на формулата, последният ред на точните стойности ги назовава,\n"
    "и тези без точен вид.\n"
    "\n"
    "Страни и медиани се отказват, когато една е поне колкото другите две заедно;\n"
    "височини, когато реципрочните им стойности не образуват триъгълник. Това се решава\n"
    "точно, за числата както са написани: 0,1, 0,2 и 0,3 не са страни на триъгълник.\n"
    "Число може да има до 200 значещи цифри и степенен показател до 9 цифри;\n"
    "по-дългото се отказва („Твърде дълго число“), преди да се реши друго.\n"
    "\n"
    "Без числа тройките се четат от стандартния вход, по една на ред, с интервали или\n"
    "табулации между числата; празните редове и редовете, започващи с #, се пропускат.\n"
    "Ред завършва с LF, CR LF или CR; BOM в началото се пропуска; управляващ знак в\n"
    "повторен ред излиза като U+FFFD.\n"
    "С опциите на Qt (например -session, -platform, -style) се отваря прозорецът.\n"
    "\n"
    "Изходен код: 0 при успех, 1 при некоректни данни, твърде дълго число или\n"
    "триъгълник, който не може да бъде начертан (--svg), 2 при грешка в командния ред\n"
    "или във входен ред. В ключа и в листа (--html, --docx) тройката без триъгълник е\n"
    "отговор като всеки друг (код 0); съобщенията за ред без три числа назовават\n"
    "задачата с номера ѝ там.\n";

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
    bool given = false; // --given: name=value words, or lines of them
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
// What a printed sheet and the generator take, of triples of a kind and of givens alike:
// `typed` names what the line would hold.
std::string ListProblem(const Request &request, std::string_view typed)
{
    if (request.sheet && request.format != Format::Html && request.format != Format::Docx)
        return "--sheet е лист за печат: само с --html или --docx";
    if ((request.impossible || request.seed || request.level || request.variants) &&
        !request.generate)
        return "--level, --impossible, --variants и --seed са за --generate";
    if (request.generate &&
        (!request.numbers.empty() || request.format == Format::Svg || request.exact))
        return std::string("--generate пише задачи: без ")
            .append(typed)
            .append(", --svg и --exact");
    return {};
}

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
        } else if (text == "--given") {
            request.given = true;
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
    if (request.given) {
        if (request.mode)
            request.problem = "--given е вместо --heights, --sides и --medians";
        else if (request.format == Format::Svg && request.numbers.empty())
            request.problem = "--svg с --given чертае една тройка: нужни са три елемента";
        else
            request.problem = ListProblem(request, "ИМЕ=СТОЙНОСТ");
        return request;
    }
    if (!request.mode)
        request.problem = "липсва видът на данните: --heights, --sides, --medians или --given";
    else if (!request.numbers.empty() && request.numbers.size() != 3)
        request.problem = worksheet::CountProblem(request.numbers.size());
    else if (request.format == Format::Svg && request.numbers.empty())
        request.problem = "--svg чертае една тройка: нужни са три числа";
    else
        request.problem = ListProblem(request, "числа");
    return request;
}

// The worksheet's lines from a descriptor, standard output written before each read, so
// that a person typing triples at a terminal sees each report as soon as the line is in.
class LineSource final : public worksheet::Source
{
public:
    LineSource(int in, Output &out) : lines_(in, &out) {}

    const worksheet::Record *Next(worksheet::Reader &reader) override
    {
        for (std::string_view line; lines_.Next(line);)
            if (const worksheet::Record *record = reader.Read(line))
                return record;
        return nullptr;
    }
    bool Failed() const override { return lines_.Failed(); }
    bool Waits() const override { return true; }

private:
    LineReader lines_;
};

// Standard output and standard error: what is to be said of a record goes to standard error
// at once, between the output before and after it.
class StandardSink final : public worksheet::Sink
{
public:
    StandardSink(Output &out, Output &err) : out_(out), err_(err) {}

    void Write(std::string_view text) override { out_.Write(text); }
    void Say(std::string_view message, bool alone) override
    {
        err_.Write((alone ? "" : "bisectors: ") + std::string(message) + "\n");
        err_.Flush();
    }

private:
    Output &out_;
    Output &err_;
};

// The writer the command line asks for: the report (with its exact values and its worked
// solution when asked), the figure, or the key or sheet as HTML or for Word and Writer.
std::unique_ptr<worksheet::Document> MakeWriter(const Request &request, std::string_view separator,
                                                std::string &problem)
{
    const worksheet::Topic topic =
        request.given ? worksheet::Topic::Givens() : worksheet::Topic(*request.mode);
    const auto page =
        request.sheet ? worksheet::Printout::Page::Sheet : worksheet::Printout::Page::Key;
    switch (request.format.value_or(Format::Report)) {
    case Format::Report:
        return std::make_unique<worksheet::TextReport>(separator, request.exact, request.steps);
    case Format::Svg:
        return std::make_unique<worksheet::SvgFigure>(separator);
    case Format::Html:
        return std::make_unique<worksheet::Printout>(topic, separator, page);
    case Format::Docx:
        return LoadDocx(topic, separator, page, problem);
    }
    return {};
}

// Exercises made from a seed, their list; without a seed, one is chosen, and the list's
// first line says which. Empty, with the problem said, when they cannot be made.
std::string Exercises(const Request &request, std::string_view separator, Output &err)
{
    const teacher::ExerciseRequest exercises{
        .mode = request.mode.value_or(InputMode::Sides),
        .count = *request.generate,
        .impossible = request.impossible.value_or(0),
        .seed = request.seed ? *request.seed : 1 + std::random_device()() % 999'999,
        .level = request.level.value_or(2),
        .variants = request.variants.value_or(1),
        .given = request.given};
    if (const std::string problem = teacher::RequestProblem(exercises); !problem.empty()) {
        err.Write("bisectors: " + problem + "\n");
        return {};
    }
    return teacher::Exercises(exercises, separator);
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
    if (request.format == Format::Docx && out.Terminal()) {
        err.Write("bisectors: --docx пише файл: пренасочете изхода, например > key.docx\n");
        return 2;
    }
    // A triple of givens (or their lines) makes its report or its figures; a key or a sheet,
    // and a list, go through the pipeline as the three kinds' do.
    if (request.given && request.format != Format::Html && request.format != Format::Docx &&
        !request.generate)
        return RunGivens(
            request.numbers,
            {.exact = request.exact, .steps = request.steps, .svg = request.format == Format::Svg},
            decimalSeparator, in, out, err);
    // The source: a list of exercises, three numbers (or givens), or standard input.
    std::string list;
    std::unique_ptr<worksheet::Source> source;
    if (request.generate) {
        list = Exercises(request, decimalSeparator, err);
        if (list.empty())
            return 2;
        if (!request.format) { // the list itself
            out.Write(list);
            return 0;
        }
        source = std::make_unique<worksheet::TextSource>(list);
    } else if (request.given && !request.numbers.empty()) {
        for (const std::string_view word : request.numbers)
            list += (list.empty() ? "" : " ") + std::string(word);
        source = std::make_unique<worksheet::TextSource>(list);
    } else if (!request.numbers.empty()) {
        source = std::make_unique<worksheet::TripleSource>(
            std::array{request.numbers[0], request.numbers[1], request.numbers[2]});
    } else {
        source = std::make_unique<LineSource>(in, out);
    }
    std::string problem;
    const std::unique_ptr<worksheet::Document> writer =
        MakeWriter(request, decimalSeparator, problem);
    if (!writer) {
        err.Write("bisectors: " + problem + "\n");
        return 2;
    }
    StandardSink sink(out, err);
    const worksheet::Topic topic =
        request.given ? worksheet::Topic::Givens() : worksheet::Topic(*request.mode);
    return worksheet::Process(topic, decimalSeparator, *source, *writer, sink);
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
