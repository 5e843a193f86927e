#pragma once

// A writer of a worksheet, in whichever form: the command line's text report, the figure of
// one triple, the printed pages as HTML (printout.h) or as a document for Word and Writer
// (docx_document.h). Made a record at a time, in order, and finished once; pipeline.h runs
// the records of a source through one. Each writer declares how its records are to be
// solved, and what a record without a report is to it: a refused triple is a problem to
// report for the text report and the figure, an answer like any other on a key or a sheet.

#include "worksheet.h"

#include <functional>
#include <string>

namespace worksheet
{

// What became of a record in a writer: nothing to say, or a problem to say and the exit
// status it asks for (1 a refused triple, 2 a line that is no triple).
struct Verdict {
    int status = 0;
    std::string problem;
};

class Document
{
public:
    virtual ~Document() = default;

    // How the records of the document are to be solved (Reader's options).
    virtual calc::SolveOptions Options() const = 0;

    // Whether a problem is told by the record's task number, as the printed pages number
    // their tasks ("задача 3"), or by its line's ("ред 3"), for a report that numbers none.
    virtual bool NumbersTasks() const { return true; }

    // The next record; what is ready of the document is appended to `out`.
    virtual Verdict Add(std::string &out, const Record &record) = 0;

    // The rest of the document, appended to `out` a piece at a time, with `spill` called
    // after each piece to pass it on. Returns why the document could not be made, empty
    // when it was.
    virtual std::string Finish(std::string &out, const std::function<void()> &spill) = 0;
};

// The verdict of a printed page on a record: nothing for a triple, refused or not; for a
// line that is no triple, why (CountProblem).
Verdict PageVerdict(const Record &record);

} // namespace worksheet
