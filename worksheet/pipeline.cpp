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
    return {2, CountProblem(record.count)};
}

int Process(calc::InputMode mode, std::string_view decimalSeparator, Source &source,
            Document &document, Sink &sink)
{
    Reader reader(mode, decimalSeparator, document.Options());
    int status = 0;
    while (const Record *record = source.Next(reader)) {
        const Verdict verdict = document.Add(sink.Pending(), *record);
        sink.Spill();
        if (verdict.status == 0 && verdict.problem.empty())
            continue;
        sink.Say(Where(*record, document.NumbersTasks()) + verdict.problem, record->number == 0);
        status = std::max(status, verdict.status);
    }
    if (source.Failed()) {
        sink.Say("входът не може да бъде прочетен");
        return 2;
    }
    if (const std::string problem = document.Finish(sink.Pending(), [&sink] { sink.Spill(); });
        !problem.empty()) {
        sink.Say(problem);
        return 2;
    }
    return status;
}

} // namespace worksheet
