#pragma once

// One pipeline for every worksheet: a source of lines (three numbers given on their own,
// standard input a line at a time, a list of exercises made from a seed) → the reader →
// one writer (document.h). The front ends only make the source, the writer and the sink,
// and make one call.

#include "document.h"
#include "worksheet.h"

#include <array>
#include <string>
#include <string_view>

namespace worksheet
{

// Where the lines come from.
class Source
{
public:
    virtual ~Source() = default;
    // The next record the reader makes of the source, or null at its end.
    virtual const Record *Next(Reader &reader) = 0;
    // Whether the source could not be read to its end.
    virtual bool Failed() const { return false; }
};

// Three numbers given on their own: one record, of number 0.
class TripleSource final : public Source
{
public:
    explicit TripleSource(const std::array<std::string_view, 3> &texts) : texts_(texts) {}
    const Record *Next(Reader &reader) override;

private:
    std::array<std::string_view, 3> texts_;
    bool done_ = false;
};

// The lines of a text, a last one without a line feed too.
class TextSource final : public Source
{
public:
    explicit TextSource(std::string_view text) : rest_(text) {}
    const Record *Next(Reader &reader) override;

private:
    std::string_view rest_;
};

// Where the results go: the writer's text, passed on a piece at a time, and what is to be
// said of the records without a report.
class Sink
{
public:
    virtual ~Sink() = default;
    // The text not yet passed on: the writer appends to it, then Spill passes it on where
    // enough has gathered.
    virtual std::string &Pending() = 0;
    virtual void Spill() = 0;
    // A message, "задача 3: Некоректни данни!", at once; `alone`: of three numbers given
    // on their own, in place of their report ("Некоректни данни!").
    virtual void Say(std::string_view message, bool alone = false) = 0;
};

// Runs the records of `source` through `document` into `sink`, and finishes the document.
// Returns the exit status: the greatest of its records' verdicts, or 2 when the source
// could not be read or the document not made (which the sink is told).
int Process(calc::InputMode mode, std::string_view decimalSeparator, Source &source,
            Document &document, Sink &sink);

} // namespace worksheet
