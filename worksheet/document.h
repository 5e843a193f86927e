#pragma once

// A printed document of a worksheet, in whichever format: made a record at a time, in
// order, and finished once. The HTML pages (printout.h) are written as they are made; a
// document in a package of parts (docx_document.h) is written whole when it is finished,
// in pieces, so that the caller can pass each on before the next is made.

#include "worksheet.h"

#include <functional>
#include <string>

namespace worksheet
{

class Document
{
public:
    virtual ~Document() = default;

    // How the records of the document are to be solved (Reader's options).
    virtual calc::SolveOptions Options() const = 0;

    // The next record; what is ready of the document is appended to `out`.
    virtual void Add(std::string &out, const Record &record) = 0;

    // The rest of the document, appended to `out` a piece at a time, with `spill` called
    // after each piece to pass it on. Returns why the document could not be made, empty
    // when it was.
    virtual std::string Finish(std::string &out, const std::function<void()> &spill) = 0;
};

} // namespace worksheet
