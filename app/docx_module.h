#pragma once

// The documents for Word and Writer (worksheet/docx_document.h) live in a module of their
// own beside the window's, with libzip, loaded only for --docx: every other run
// of the command line starts without them, as it starts without Qt.

#include "document.h"
#include "printout.h"

#include <memory>
#include <string>
#include <string_view>

// The module's entry, with C linkage for dlsym: a new document, the key or the sheet, which the
// caller deletes. Defined in the module only; the program finds it with dlsym.
// NOLINTNEXTLINE(readability-identifier-naming): a C symbol, named as C names them
extern "C" worksheet::Document *bisectors_docx_document(worksheet::Topic topic,
                                                        std::string_view decimalSeparator,
                                                        worksheet::Printout::Page page);

namespace app
{

using DocxEntry = decltype(bisectors_docx_document);
inline constexpr const char *kDocxEntryName = "bisectors_docx_document";

// A document, the key or the sheet, from the module, or null when the module cannot be loaded, with
// `problem` saying why.
std::unique_ptr<worksheet::Document> LoadDocx(worksheet::Topic topic,
                                              std::string_view decimalSeparator,
                                              worksheet::Printout::Page page, std::string &problem);

} // namespace app
