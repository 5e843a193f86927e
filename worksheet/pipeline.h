#pragma once

// One pipeline for every worksheet: a source of lines (three numbers given on their own,
// standard input a line at a time, a list of exercises made from a seed, the list typed on
// the web page) → the reader → one writer (document.h) → a sink. The pipeline owns the text
// the writer appends to and passes it on to the sink in pieces, with what is to be said of
// the records beside it. The front ends only make the source, the writer and the sink: the
// command line and the page's documents make one call (Process); the page's printable pages
// take a run a step at a time (Run), so that the browser gets its turn between the tasks.

#include "document.h"
#include "worksheet.h"

#include <array>
#include <cstddef>
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
    // Whether the next record may wait for a person typing it: what is made of the records
    // before is then passed on first.
    virtual bool Waits() const { return false; }
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

// Where the results go: the writer's text, a piece at a time, in order, and what is to be
// said of the records without a report.
class Sink
{
public:
    virtual ~Sink() = default;
    // The next piece of the writer's text.
    virtual void Write(std::string_view text) = 0;
    // A message, "задача 3: Некоректни данни!", after the text of the records before it;
    // `alone`: of three numbers given on their own, in place of their report ("Некоректни
    // данни!").
    virtual void Say(std::string_view message, bool alone = false) = 0;
};

// The records of a source run through a writer into a sink, a step at a time: a step is a
// record, or a piece of the writer's end. The writer's text is passed on once `piece` bytes
// have gathered, before a message, before a record that may wait for a person typing it,
// and at the end; a run of piece 0 passes on each step's text as the step ends.
class Run
{
public:
    static constexpr std::size_t kPiece = std::size_t{64} * 1024;

    Run(Topic topic, std::string_view decimalSeparator, Source &source, Document &document,
        Sink &sink, std::size_t piece = kPiece);

    // Takes the next step; false, with nothing done, once the run is over.
    bool Step();

    // The exit status: the greatest of the records' verdicts, or 2 when the source could not
    // be read or the document not made (which the sink is told).
    int Status() const { return status_; }

private:
    // Passes the text gathered on to the sink, when it has `least` bytes or more.
    void PassOn(std::size_t least = 0);
    void Finish();

    Source &source_;
    Document &document_;
    Sink &sink_;
    std::size_t piece_;
    Reader reader_;
    std::string text_; // the writer's text not yet passed on
    int status_ = 0;
    bool finishing_ = false;
    bool over_ = false;
};

// Runs the records of `source` through `document` into `sink`, and finishes the document.
// Returns the run's exit status (Run::Status).
int Process(Topic topic, std::string_view decimalSeparator, Source &source, Document &document,
            Sink &sink);

} // namespace worksheet
