#pragma once

// The command line's output of a document for Word and Writer (docx_output.h): a .docx
// file packed with libzip (docx_package.h). Its figures are drawings in the main part, so
// nothing here paints: the document costs what writing its XML and compressing it do.
// Only the documents' module links it.

#include "docx_output.h"
#include "docx_package.h"

#include <memory>

namespace worksheet
{

class DocxArchive final : public DocxOutput
{
public:
    DocxArchive();

    void AppendMain(std::string_view text) override { package_->AppendMain(text); }
    void AddPart(std::string name, std::string text) override;
    Ending Write(std::string &out) override;

private:
    std::unique_ptr<DocxPackage> package_;
};

} // namespace worksheet
