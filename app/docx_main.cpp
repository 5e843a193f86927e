// The documents' module entry: a document for Word and Writer, the key or the sheet asked for.

#include "docx_archive.h"
#include "docx_document.h"
#include "docx_module.h"

__attribute__((visibility("default"))) worksheet::Document *
bisectors_docx_document(worksheet::Topic topic, std::string_view decimalSeparator,
                        worksheet::Printout::Page page)
{
    return new worksheet::DocxDocument(topic, decimalSeparator, page,
                                       std::make_unique<worksheet::DocxArchive>());
}
