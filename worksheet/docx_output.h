#pragma once

// Where a document for Word and Writer (docx_document.h) goes as it is made: its main part
// a piece at a time, the pictures of its figures, its small fixed parts, and then the
// document whole. The command line packs them into a .docx file, with the figures painted
// by cairo (docx_archive.h); the web page takes the parts as they are, paints the figures
// on the browser's canvas and packs them in JavaScript. The document's XML is the same.

#include "document.h"
#include "figure.h"
#include "triangle.h"

#include <string>
#include <string_view>

namespace worksheet
{

class DocxOutput
{
public:
    virtual ~DocxOutput() = default;

    // The main part (docx::kMainName), appended to as it is made.
    virtual void AppendMain(std::string_view text) = 0;

    // The picture of a figure: `name` + ".png", a PNG of the figure drawn as `svg` is, and
    // `name` + ".svg", the SVG itself. False, with nothing added, when the PNG cannot be
    // made: the document then goes without the figure.
    virtual bool AddFigure(std::string_view name, const calc::Solution &solution,
                           const figure::FigureOptions &options, const std::string &svg) = 0;

    // A small part, whole.
    virtual void AddPart(std::string name, std::string text) = 0;

    // Passes the document on, whole, a piece at a time: where it is a file, its next piece
    // appended to `out`, and whether more follow; called again until none do (or a problem
    // is returned). The output then starts afresh, empty.
    virtual Ending Write(std::string &out) = 0;
};

} // namespace worksheet
