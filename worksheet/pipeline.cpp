#include "pipeline.h"

#include <algorithm>

namespace worksheet
{
namespace
{

// Where a record is: "ред 3: ", "задача 3: ", "вариант Б, задача 3: "; nothing for three
// numbers given on their own.
std::string Where(const Record &record, bool tasks)
{
    if (record.number == 0)
        return {};
    std::string where;
    if (tasks && !record.variant.empty()) {
        where += "вариант ";
        where += record.variant;
        where += ", ";
    }
    where += tasks ? "задача " : "ред ";
    where += std::to_string(tasks ? record.task : record.number);
    where += ": ";
    return where;
}

} // namespace

const Record *TripleSource::Next(Reader &reader)
{
    if (done_)
        return nullptr;
    done_ = true;
    return &reader.Triple(texts_);
}

const Record *TextSource::Next(Reader &reader)
{
    while (!rest_.empty()) {
        const std::size_t end = std::min(rest_.find('\n'), rest_.size());
        const std::string_view line = rest_.substr(0, end);
        rest_.remove_prefix(std::min(end + 1, rest_.size()));
        if (const Record *record = reader.Read(line))
            return record;
    }
    return nullptr;
}

Verdict PageVerdict(const Record &record)
{
    if (!record.Malformed())
        return {};
    return {2, Problem(record)};
}

Run::Run(Topic topic, std::string_view decimalSeparator, Source &source, Document &document,
         Sink &sink, std::size_t piece)
    : source_(source), document_(document), sink_(sink), piece_(piece),
      reader_(topic, decimalSeparator, document.Options())
{
}

void Run::PassOn(std::size_t least)
{
    if (text_.empty() || text_.size() < least)
        return;
    sink_.Write(text_);
    text_.clear();
}

bool Run::Step()
{
    if (over_)
        return false;
    if (!finishing_) {
        if (source_.Waits())
            PassOn();
        if (const Record *record = source_.Next(reader_)) {
            const Verdict verdict = document_.Add(text_, *record);
            if (verdict.status != 0 || !verdict.problem.empty()) {
                PassOn();
                sink_.Say(Where(*record, document_.NumbersTasks()) + verdict.problem,
                          record->number == 0);
                status_ = std::max(status_, verdict.status);
            }
            PassOn(piece_);
            return true;
        }
        if (source_.Failed()) {
            PassOn();
            sink_.Say("входът не може да бъде прочетен");
            status_ = 2;
            over_ = true;
            return true;
        }
        finishing_ = true;
    }
    Finish();
    return true;
}

// A piece of the writer's end; the run is over after the last, or after a problem.
void Run::Finish()
{
    const Ending ending = document_.Finish(text_);
    if (!ending.problem.empty()) {
        PassOn();
        sink_.Say(ending.problem);
        status_ = 2;
        over_ = true;
    } else if (ending.more) {
        PassOn(piece_);
    } else {
        PassOn();
        over_ = true;
    }
}

int Process(Topic topic, std::string_view decimalSeparator, Source &source, Document &document,
            Sink &sink)
{
    Run run(topic, decimalSeparator, source, document, sink);
    while (run.Step()) {
    }
    return run.Status();
}

} // namespace worksheet
