#pragma once

// The answer key and the students' sheet as documents for Word and LibreOffice Writer
// (Office Open XML, .docx), which a teacher edits before printing: the same tasks,
// numbered alike, with the same content as the HTML pages (answer_key.h,
// student_sheet.h), on A4 with a header line for the school, the class and the name. The
// formulas are Office Math (solution::AppendOmml), which both programs show as formulas of
// their own; each figure is the drawing that writes the SVG, as a group of shapes that
// both programs draw themselves (figure/drawingml_painter.h).
//
// The XML of the document, standard C++: where it goes, and how its parts are packed, is
// the output's (docx_output.h), the command line's with libzip in the documents' module
// (docx_archive.h), the web page's in the browser.

#include "document.h"
#include "docx_output.h"
#include "drawingml_painter.h"
#include "figure.h"
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
    DocxDocument(Topic topic, std::string_view decimalSeparator, Printout::Page page,
                 std::unique_ptr<DocxOutput> output);

    calc::SolveOptions Options() const override { return Printout::Options(page_); }

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
    // The figure `name`, drawn by `painter` in `frame`, as the drawing of number `id`.
    void AppendPicture(long id, std::string_view name, const calc::Solution &solution,
                       const figure::DrawingMlPainter &painter, const figure::Frame &frame);
    void Spill();
    void Close();

    Topic topic_;
    std::string separator_;
    Printout::Page page_;
    std::unique_ptr<DocxOutput> output_;
    std::size_t blocks_ = 0;
    bool finishing_ = false; // the document closed, its pieces being passed on
    std::string variant_;    // of the task before
    std::string main_;       // of the main part, what is not yet in the output
    long nextShapeId_ = 1;   // the number of the next drawing or shape, unique in the part
    std::string scratch_;    // a report before it is split, kept for its capacity
};

} // namespace worksheet
