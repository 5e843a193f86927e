#include "docx_archive.h"

#include "docx_parts.h"

namespace worksheet
{

DocxArchive::DocxArchive() : package_(std::make_unique<DocxPackage>())
{
    package_->SetMainName(std::string(docx::kMainName));
}

void DocxArchive::AddPart(std::string name, std::string text)
{
    package_->AddPart(std::move(name), std::move(text));
}

Ending DocxArchive::Write(std::string &out)
{
    Ending ending = package_->Write(out);
    if (!ending.more) {
        package_ = std::make_unique<DocxPackage>();
        package_->SetMainName(std::string(docx::kMainName));
    }
    return ending;
}

} // namespace worksheet
