// The teacher's part of the web page, compiled to WebAssembly with the core: exercises made
// from a seed, and the printable pages of a list, the students' sheet and the answer key,
// as the command line makes them (bisectors --generate, --html --sheet, --html). Texts
// cross as UTF-8 with a final NUL; a text returned stays valid until the next call. A kind
// is 0, 1 or 2, the altitudes, the sides or the medians, or 3, the triangle chapter's tasks
// of any three elements (bisectors --given --generate).
#include "generator.h"
#include "numbers.h"
#include "pipeline.h"
#include "printout.h"

#include <memory>
#include <string>
#include <string_view>

namespace
{

std::string text;
int tasks = 0; // of the last page

// A page or a document, its tasks counted, for the page to say how many it shows.
class Counted final : public worksheet::Document
{
public:
    explicit Counted(worksheet::Document &document) : document_(document) {}
    calc::SolveOptions Options() const override { return document_.Options(); }
    bool NumbersTasks() const override { return document_.NumbersTasks(); }
    worksheet::Verdict Add(std::string &out, const worksheet::Record &record) override
    {
        ++tasks;
        return document_.Add(out, record);
    }
    worksheet::Ending Finish(std::string &out) override { return document_.Finish(out); }

private:
    worksheet::Document &document_;
};

// Where a step's text goes: `text`, which the page takes. (The page shows the lines that
// are no triple in their blocks: nothing is said beside it.)
class PageSink final : public worksheet::Sink
{
public:
    void Write(std::string_view part) override { text += part; }
    void Say(std::string_view, bool) override {}
};

// A printable page made a task at a time, so that the page's script can give the browser
// its turn between the parts of a long list: the list and the source of its records, the
// page's writer, its tasks counted, and the run of the pipeline that passes on each step's
// text as the step ends.
struct PageInMaking {
    PageInMaking(worksheet::Topic topic, std::string_view typed, bool sheet,
                 std::string_view decimalSeparator)
        : list(typed), source(list),
          page(topic, decimalSeparator,
               sheet ? worksheet::Printout::Page::Sheet : worksheet::Printout::Page::Key),
          counted(page), run(topic, decimalSeparator, source, counted, sink, 0)
    {
    }

    std::string list;
    worksheet::TextSource source;
    worksheet::Printout page;
    Counted counted;
    PageSink sink;
    worksheet::Run run;
};

std::unique_ptr<PageInMaking> making;

// The kind of the givens' tasks, after the three kinds of lengths.
constexpr int kGivensKind = 3;

// What the tasks of the kind the page names by its number are: lengths of an InputMode, or
// the givens; false for no kind.
bool ReadTopic(int kind, worksheet::Topic &topic)
{
    if (kind < 0 || kind > kGivensKind)
        return false;
    topic = kind == kGivensKind ? worksheet::Topic::Givens()
                                : worksheet::Topic(static_cast<calc::InputMode>(kind));
    return true;
}

// The request, and why it cannot be met (empty when it can): the seed is a whole number
// in decimal digits, as the command line's --seed takes it.
std::string Request(int kind, int count, int impossible, int level, int variants,
                    std::string_view seed, teacher::ExerciseRequest &request)
{
    worksheet::Topic topic(calc::InputMode::Sides);
    if (!ReadTopic(kind, topic))
        return "няма такъв вид задачи";
    request.mode = topic.mode;
    request.given = topic.givens;
    request.count = count;
    request.impossible = impossible;
    request.level = level;
    request.variants = variants;
    const std::optional<std::uint64_t> digits = calc::ReadWhole(seed);
    if (!digits)
        return "числото за повторение трябва да е цяло неотрицателно число";
    request.seed = *digits;
    return teacher::RequestProblem(request);
}

} // namespace

extern "C" {

// Why these exercises cannot be made, in Bulgarian; empty when they can. The request is the
// command line's: --generate count, --impossible, --level (1 to 3), --variants (1 to 4).
const char *TeacherProblem(int kind, int count, int impossible, int level, int variants,
                           const char *seed)
{
    teacher::ExerciseRequest request;
    text = Request(kind, count, impossible, level, variants, seed, request);
    return text.c_str();
}

// The exercises, a comment line and a triple a line (teacher::Exercises), each variant
// after its own comment line; empty when they cannot be made.
const char *TeacherExercises(int kind, int count, int impossible, int level, int variants,
                             const char *seed, const char *decimalSeparator)
{
    teacher::ExerciseRequest request;
    text = Request(kind, count, impossible, level, variants, seed, request).empty()
               ? teacher::Exercises(request, decimalSeparator)
               : std::string();
    return text.c_str();
}

// Starts the printable page of a list, one triple a line as a worksheet: the students'
// sheet, or the answer key. False for a kind there is none of.
int TeacherPageBegin(int kind, const char *list, int sheet, const char *decimalSeparator)
{
    worksheet::Topic topic(calc::InputMode::Sides);
    making.reset();
    tasks = 0;
    if (!ReadTopic(kind, topic))
        return 0;
    making = std::make_unique<PageInMaking>(topic, list, sheet != 0, decimalSeparator);
    return 1;
}

// The next part of the page begun: a task, with the lines before it, or the page's end;
// empty once the page is whole. A task takes at most some tens of milliseconds.
const char *TeacherPageNext()
{
    text.clear();
    if (making && !making->run.Step())
        making.reset();
    return text.c_str();
}

// The whole printable page of a list at once.
const char *TeacherPage(int kind, const char *list, int sheet, const char *decimalSeparator)
{
    text.clear();
    if (TeacherPageBegin(kind, list, sheet, decimalSeparator) != 0)
        while (making->run.Step()) {
        }
    making.reset();
    return text.c_str();
}

// How many tasks the last page holds, each variant's counted.
int TeacherTasks()
{
    return tasks;
}

} // extern "C"
