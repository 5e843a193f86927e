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
    // The SVG is written by the drawing that paints the PNG: the same SVG, the same PNG.
    const std::size_t hash = std::hash<std::string>{}(svg);
    for (auto [at, end] = painted_.equal_range(hash); at != end; ++at)
        if (package_->MediaIs(at->second.svg, svg)) {
            package_->RepeatMedia(std::string(name) + ".png", at->second.png);
            package_->RepeatMedia(std::string(name) + ".svg", at->second.svg);
            return true;
        }
    const std::string png = figure::Png(solution, options);
    if (png.empty())
        return false;
    const Painted painted{
        .png = package_->AddMedia(std::string(name) + ".png", png, false), // compressed already
        .svg = package_->AddMedia(std::string(name) + ".svg", svg, true)};
    painted_.emplace(hash, painted);
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
        painted_.clear();
        package_ = std::make_unique<DocxPackage>();
        package_->SetMainName(std::string(docx::kMainName));
    }
    return ending;
}

} // namespace worksheet
