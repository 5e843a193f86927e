#pragma once

// Where a document for Word and Writer (docx_document.h) goes as it is made: its main part
// a piece at a time (its figures are drawings in it), its small fixed parts, and then the
// document whole. The command line packs them into a .docx file (docx_archive.h); the web
// page takes the parts as they are and packs them in JavaScript. The document's XML is the
// same.

#include "document.h"

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

    // A small part, whole.
    virtual void AddPart(std::string name, std::string text) = 0;

    // Passes the document on, whole, a piece at a time: where it is a file, its next piece
    // appended to `out`, and whether more follow; called again until none do (or a problem
    // is returned). The output then starts afresh, empty.
    virtual Ending Write(std::string &out) = 0;
};

} // namespace worksheet
