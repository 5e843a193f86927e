#pragma once

// The command line's output of a document for Word and Writer (docx_output.h): a .docx
// file packed with libzip (docx_package.h), each figure painted with cairo as a PNG
// (figure/png.h). Painting a figure is most of the cost of a document, so each is painted
// once: a figure drawn as an earlier one was (the same SVG) takes that one's pictures again,
// the same bytes. Only the documents' module links it.

#include "docx_output.h"
#include "docx_package.h"

#include <cstddef>
#include <memory>
#include <unordered_map>

namespace worksheet
{

class DocxArchive final : public DocxOutput
{
public:
    DocxArchive();

    void AppendMain(std::string_view text) override { package_->AppendMain(text); }
    bool AddFigure(std::string_view name, const calc::Solution &solution,
                   const figure::FigureOptions &options, const std::string &svg) override;
    void AddPart(std::string name, std::string text) override;
    Ending Write(std::string &out) override;

private:
    // The pictures of a figure painted already: the numbers of its PNG and its SVG in the
    // package, by the SVG's hash.
    struct Painted {
        std::size_t png = 0;
        std::size_t svg = 0;
    };

    std::unique_ptr<DocxPackage> package_;
    std::unordered_multimap<std::size_t, Painted> painted_;
};

} // namespace worksheet
