#pragma once

// Worksheets: many triples at once, one a line, as a teacher types a list of exercises.
//
//   worksheet.h     Reader makes each line a Record: its fields as typed, the triple or
//                   the number of fields of a line that is no triple, and the core's
//                   Solution of the triple; blank lines and comments make none
//   text_report.h   the command line's report of the records, one after another
//   answer_key.h    the printable answer key of the records, an HTML page
//   student_sheet.h the students' sheet of the same tasks, an HTML page
//   docx_document.h the key and the sheet as documents for Word and Writer (a library of
//                   their own, with libzip)
//   document.h      what every writer is: a record at a time, then its end in pieces
//   pipeline.h      the one run of a source's lines through the reader and a writer into
//                   a sink, for the command line and the web page alike
//
// Lines are split and triples solved here, once; the writers take records and neither
// split nor solve. Nothing here reads or writes files: the front end's source gives the
// lines, and its sink takes the writers' text as the pipeline passes it on, a piece at a
// time, so that a worksheet of any length goes through in memory that does not grow with
// it.

#include "calculate.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// The chapter's solution of a triple of givens (calc/chapter.h), which this header names only:
// the Qt front ends that include it do not take the core's chapter headers.
namespace calc::chapter
{
struct Solution;
} // namespace calc::chapter

namespace worksheet
{

// What the tasks of a worksheet are: triples of lengths of one of the three kinds, or three
// givens `name=value` of a triangle by any three of its elements (calc/givens.h), one
// triple of givens a line.
struct Topic {
    Topic(calc::InputMode kind) : mode(kind) {} // NOLINT(google-explicit-constructor)
    static Topic Givens()
    {
        Topic topic(calc::InputMode::Sides);
        topic.givens = true;
        return topic;
    }

    calc::InputMode mode; // of triples of lengths
    bool givens = false;
};

// A line of a worksheet that is a task, or should be one. Its texts are views into the
// line and into the Reader that made it. What the writers echo, the line and its fields,
// is UTF-8 whatever the line's bytes: each byte that is not part of a well-formed UTF-8
// sequence, and each control character but the tab, shows as U+FFFD (calc/utf8.h). The
// triple keeps the bytes, which the core reads as they are.
struct Record {
    // The line's number in the worksheet, from 1; 0 for three numbers given on their own.
    long number = 0;
    // The task's number, from 1, in its variant where the list has variants ("# Вариант
    // Б", fields.h), and the variant's letter; none for a list without.
    long task = 0;
    std::string_view variant;
    // The line as typed, without a final CR (nor, on the first line, a byte order mark),
    // as UTF-8.
    std::string_view line;
    // Its fields, one space between them, as UTF-8.
    std::string_view fields;
    // How many fields the line has; a task has three.
    std::size_t count = 0;
    // The fields of a task, the three lengths as typed into the boxes, byte for byte;
    // empty for a line that is no triple.
    std::array<std::string_view, 3> triple{};
    // The core's solution of the triple; none for a line that is no triple.
    std::optional<calc::Solution> solution;
    // Of a worksheet of givens: the chapter's solution of the line (the Reader's), or, for a
    // line that is no triple of givens, what makes it none (calc::GivenProblemText).
    const calc::chapter::Solution *chapter = nullptr;
    std::string_view givenProblem;

    bool Malformed() const { return !solution && chapter == nullptr; }
    // A triple with a triangle (of givens: with one or more, or infinitely many).
    bool Solved() const;
};

// Makes records of the lines of one worksheet, of one kind, in order.
class Reader
{
public:
    // The lengths are read with `decimalSeparator` as well as "." (calc::ReadNumber), and
    // solved with `options` (exact forms, where a writer shows them).
    explicit Reader(Topic topic, std::string_view decimalSeparator = ".",
                    const calc::SolveOptions &options = {});
    ~Reader();
    Reader(const Reader &) = delete;
    Reader &operator=(const Reader &) = delete;

    // The next line of the worksheet: its record, or null for a blank line or a comment.
    // The record is valid until the next call, and while `line` is. A comment that starts a
    // variant makes the tasks after it that variant's, numbered from 1 again.
    const Record *Read(std::string_view line);

    // Three numbers given on their own, such as the command line's: a record of number 0.
    // Valid until the next call, and while the texts are.
    const Record &Triple(const std::array<std::string_view, 3> &texts);

private:
    void Solve();
    void SolveGivens(std::string_view line);
    // Makes the record's line and fields UTF-8, when they are not.
    void EchoAsUtf8();

    Topic topic_;
    std::string separator_;
    calc::SolveOptions options_;
    long lines_ = 0;
    long tasks_ = 0;
    std::string variant_;
    std::string fields_;
    // The line and the fields as UTF-8, for a line that is not.
    std::string utf8Line_;
    std::string utf8Fields_;
    std::string givenProblem_;
    std::unique_ptr<calc::chapter::Solution> chapter_; // of the last line of givens
    Record record_;
};

// What a record without a report says: the refusal (calc::RefusalText; of givens, the
// headline and the reason), or that a line of `count` fields is no triple (CountProblem),
// or what makes a line no triple of givens. Empty for a solved record.
std::string Problem(const Record &record);

// That `count` numbers are given where three are needed, in Bulgarian.
std::string CountProblem(std::size_t count);

// Each line of `text` to `use`, without its line feed; a last line without one too.
template<typename Use> void ForEachLine(std::string_view text, Use use)
{
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        use(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
}

} // namespace worksheet
