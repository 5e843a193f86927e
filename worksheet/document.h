#pragma once

// A writer of a worksheet, in whichever form: the command line's text report, the figure of
// one triple, the printed pages as HTML (printout.h) or as a document for Word and Writer
// (docx_document.h). Made a record at a time, in order, and finished once; pipeline.h runs
// the records of a source through one. A writer appends its text to the text the pipeline
// hands it and never writes anywhere itself: the pipeline gathers the text and passes it on
// in pieces. Its end may be long (a .docx file of many figures): the pipeline asks for it a
// piece at a time, until the writer says that none follows. Each writer declares how its
// records are to be solved, and what a record without a report is to it: a refused triple is
// a problem to report for the text report and the figure, an answer like any other on a key
// or a sheet.

#include "worksheet.h"

#include <string>

namespace worksheet
{

// What became of a record in a writer: nothing to say, or a problem to say and the exit
// status it asks for (1 a refused triple, 2 a line that is no triple).
struct Verdict {
    int status = 0;
    std::string problem;
};

// What a piece of a writer's end was: the last (`more` false), or one with more to follow;
// or, with a problem, why the document could not be made (nothing more follows then).
struct Ending {
    bool more = false;
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

    // The rest of the document, a piece at a time: the next piece appended to `out`, and
    // whether more follow; called again until none do (or a problem is returned). The writer
    // then starts afresh, empty.
    virtual Ending Finish(std::string &out) = 0;
};

// The verdict of a printed page on a record: nothing for a triple, refused or not; for a
// line that is no triple, why (CountProblem).
Verdict PageVerdict(const Record &record);

} // namespace worksheet
