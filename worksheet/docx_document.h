#pragma once

// The answer key and the students' sheet as documents for Word and LibreOffice Writer
// (Office Open XML, .docx), which a teacher edits before printing: the same tasks,
// numbered alike, with the same content as the HTML pages (answer_key.h,
// student_sheet.h), on A4 with a header line for the school, the class and the name. The
// formulas are Office Math (solution::AppendOmml), which both programs show as formulas of
// their own; each figure is a PNG of the drawing that writes the SVG, with the SVG itself
// beside it for Word, which shows it in its place.
//
// The XML of the document, standard C++: where it goes, and how its figures are painted
// and its parts packed, is the output's (docx_output.h), the command line's with cairo and
// libzip in the documents' module (docx_archive.h), the web page's in the browser.

#include "document.h"
#include "docx_output.h"
#include "printout.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace worksheet
{

class DocxDocument final : public Document
{
public:
    DocxDocument(Topic topic, std::string_view decimalSeparator, Printout::Kind kind,
                 std::unique_ptr<DocxOutput> output);

    calc::SolveOptions Options() const override { return Printout::Options(kind_); }

    // The task of one record; nothing is appended to `out` before the document is finished.
    // A refused triple is an answer like any other; a line that is no triple, a problem.
    Verdict Add(std::string &out, const Record &record) override;

    // The document, passed on by the output (a .docx file appended to `out` a piece at a
    // time); the document then starts afresh, empty.
    Ending Finish(std::string &out) override;

    // The number of tasks so far.
    std::size_t Blocks() const { return blocks_; }

private:
    std::string_view Heading() const;
    void AppendHead();
    void AddKeyTask(const Record &record);
    void AddSheetTask(const Record &record);
    void AppendGiven(const Record &record);
    void AppendAnswers(const calc::Solution &solution);
    void AddGivensTask(const Record &record);
    // The figure `name` of the picture `id`, unique in the document.
    void AppendPicture(const std::string &name, const calc::Solution &solution, std::size_t id);
    void Spill();
    void Close();

    Topic topic_;
    std::string separator_;
    Printout::Kind kind_;
    std::unique_ptr<DocxOutput> output_;
    std::size_t blocks_ = 0;
    std::size_t pictures_ = 0;  // of the tasks of givens, a triangle's each
    bool finishing_ = false;    // the document closed, its pieces being passed on
    std::string variant_;       // of the task before
    std::string main_;          // of the main part, what is not yet in the output
    std::string relationships_; // the pictures' Relationship elements
    std::string scratch_;       // a report before it is split, kept for its capacity
};

} // namespace worksheet
