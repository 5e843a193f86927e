#include "worksheet.h"

#include "chapter.h"
#include "chapter_report.h"
#include "fields.h"
#include "givens.h"
#include "utf8.h"

namespace worksheet
{

Reader::Reader(Topic topic, std::string_view decimalSeparator, const calc::SolveOptions &options)
    : topic_(topic), separator_(decimalSeparator), options_(options)
{
}

Reader::~Reader() = default;

bool Record::Solved() const
{
    if (chapter != nullptr)
        return chapter->count != calc::chapter::Count::None;
    return solution && solution->outcome == calc::Outcome::Solved;
}

const Record *Reader::Read(std::string_view line)
{
    // A byte order mark before the first line, as some editors save UTF-8, is no part of it.
    if (++lines_ == 1 && line.starts_with(calc::kByteOrderMark))
        line.remove_prefix(calc::kByteOrderMark.size());
    Fields fields(line);
    if (fields.Skipped()) {
        if (const std::string_view text = fields.Text(); text.starts_with(kVariantMark)) {
            variant_ = text.substr(kVariantMark.size());
            tasks_ = 0;
        }
        return nullptr;
    }
    record_.number = lines_;
    record_.task = ++tasks_;
    record_.variant = variant_;
    record_.line = fields.Text();
    record_.triple = {};
    // The fields, one space between them, are most often a part of the line as it is;
    // they are copied only from the first gap that is not a single space.
    const char *begin = nullptr;
    const char *end = nullptr;
    bool copied = false;
    std::size_t count = 0;
    for (std::string_view field; fields.Next(field); ++count) {
        if (count == 0) {
            begin = field.data();
        } else if (copied) {
            fields_ += ' ';
            fields_ += field;
        } else if (field.data() != end + 1 || *end != ' ') {
            fields_.assign(begin, end);
            fields_ += ' ';
            fields_ += field;
            copied = true;
        }
        end = field.data() + field.size();
        if (count < record_.triple.size())
            record_.triple[count] = field;
    }
    record_.fields = copied ? std::string_view(fields_)
                            : std::string_view(begin, static_cast<std::size_t>(end - begin));
    record_.count = count;
    EchoAsUtf8();
    if (topic_.givens) {
        record_.triple = {};
        SolveGivens(fields.Text()); // the bytes as typed, not the echo
    } else if (count == record_.triple.size()) {
        Solve();
    } else {
        record_.triple = {};
        record_.solution.reset();
    }
    return &record_;
}

const Record &Reader::Triple(const std::array<std::string_view, 3> &texts)
{
    fields_.assign(texts[0]);
    for (std::size_t i = 1; i < texts.size(); ++i) {
        fields_ += ' ';
        fields_ += texts[i];
    }
    record_.number = 0;
    record_.task = 1;
    record_.variant = {};
    record_.line = fields_;
    record_.fields = fields_;
    record_.count = texts.size();
    record_.triple = texts;
    EchoAsUtf8();
    Solve();
    return record_;
}

void Reader::EchoAsUtf8()
{
    // The fields are the line's bytes but for blanks, which split no UTF-8 sequence: they
    // are valid when the line is, which is what is checked, once.
    if (calc::Utf8ValidLength(record_.line) == record_.line.size())
        return;
    record_.line = calc::ValidUtf8(record_.line, utf8Line_);
    record_.fields = calc::ValidUtf8(record_.fields, utf8Fields_);
}

void Reader::Solve()
{
    record_.solution = calc::Calculate(topic_.mode, record_.triple, separator_, options_);
}

void Reader::SolveGivens(std::string_view line)
{
    record_.solution.reset();
    const calc::GivenLine givens = calc::ReadGivens(line, separator_);
    if (givens.problem != calc::GivenProblem::None) {
        givenProblem_ = calc::GivenProblemText(givens);
        record_.givenProblem = givenProblem_;
        record_.chapter = nullptr;
        return;
    }
    record_.givenProblem = {};
    chapter_ = std::make_unique<calc::chapter::Solution>(
        calc::chapter::Solve(givens.givens, {.exactValues = options_.exactValues}));
    record_.chapter = chapter_.get();
}

std::string Problem(const Record &record)
{
    if (record.Malformed())
        return record.givenProblem.empty() ? CountProblem(record.count)
                                           : std::string(record.givenProblem);
    if (record.chapter) {
        if (record.Solved())
            return {};
        std::string problem = calc::chapter::Headline(*record.chapter);
        if (const std::string why = calc::chapter::Explanation(*record.chapter); !why.empty())
            problem += " " + why;
        return problem;
    }
    return std::string(calc::RefusalText(record.solution->outcome));
}

std::string CountProblem(std::size_t count)
{
    return "нужни са три числа, а " + std::string(count == 1 ? "е дадено " : "са дадени ") +
           std::to_string(count);
}

} // namespace worksheet
