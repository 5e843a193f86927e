#include "docx_archive.h"

#include "docx_parts.h"
#include "png.h"

namespace worksheet
{

DocxArchive::DocxArchive() : package_(std::make_unique<DocxPackage>())
{
    package_->SetMainName(std::string(docx::kMainName));
}

bool DocxArchive::AddFigure(std::string_view name, const calc::Solution &solution,
                            const figure::FigureOptions &options, const std::string &svg)
{
    const std::string png = figure::Png(solution, options);
    if (png.empty())
        return false;
    package_->AddMedia(std::string(name) + ".png", png, false); // compressed already
    package_->AddMedia(std::string(name) + ".svg", svg, true);
    return true;
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
