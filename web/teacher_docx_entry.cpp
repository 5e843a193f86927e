// The teacher's documents for Word and Writer in the web page: the same document as the
// command line's --docx (worksheet/docx_document.h), its XML made by the same code, handed
// to the page part by part. The page paints each figure's PNG from its SVG on the
// browser's canvas and packs the parts into the .docx file (docx.js). Texts cross as
// UTF-8 with a final NUL, valid until the next TeacherDocument.
#include "docx_document.h"
#include "docx_parts.h"
#include "pipeline.h"
#include "png.h"

#include <cmath>
#include <string>
#include <string_view>
#include <vector>

namespace
{

// A part of the document: its name in the package and its text; for a picture to paint,
// the SVG it is painted from and its size in pixels.
struct Part {
    std::string name;
    std::string text;
    int width = 0;
    int height = 0;
};

std::vector<Part> parts;

// The parts in the order the command line packs them (docx_package.h): the small ones,
// the main part, then each figure's PNG and SVG.
class PageOutput final : public worksheet::DocxOutput
{
public:
    void AppendMain(std::string_view text) override { main_ += text; }

    bool AddFigure(std::string_view name, const calc::Solution &,
                   const figure::FigureOptions &options, const std::string &svg) override
    {
        const figure::Frame box = figure::FrameOf(options);
        const auto pixels = [](double length) {
            return static_cast<int>(std::ceil(length * figure::kPngResolution));
        };
        pictures_.push_back(
            {std::string(name) + ".png", svg, pixels(box.width), pixels(box.height)});
        pictures_.push_back({std::string(name) + ".svg", svg});
        return true;
    }

    void AddPart(std::string name, std::string text) override
    {
        small_.push_back({std::move(name), std::move(text)});
    }

    // The parts, to `parts`: no file is made here.
    worksheet::Ending Write(std::string & /*out*/) override
    {
        parts = std::move(small_);
        parts.push_back({std::string(worksheet::docx::kMainName), std::move(main_)});
        for (Part &picture : pictures_)
            parts.push_back(std::move(picture));
        small_.clear();
        main_.clear();
        pictures_.clear();
        return {};
    }

private:
    std::vector<Part> small_;
    std::string main_;
    std::vector<Part> pictures_;
};

// Nothing to pass on, as the output makes no file, nothing to say: the page shows the lines
// that are no triple in their tasks.
class NoSink final : public worksheet::Sink
{
public:
    void Write(std::string_view) override {}
    void Say(std::string_view, bool) override {}
};

const Part *At(int index)
{
    return index >= 0 && static_cast<std::size_t>(index) < parts.size()
               ? &parts[static_cast<std::size_t>(index)]
               : nullptr;
}

} // namespace

extern "C" {

// The document of a list, one triple a line, as the command line's --docx (--sheet) makes
// it: the students' sheet, or the answer key. Returns the number of its parts; 0 for no
// such kind (0 altitudes, 1 sides, 2 medians, 3 givens of any three elements, a triple a
// line).
int TeacherDocument(int kind, const char *list, int sheet, const char *decimalSeparator)
{
    parts.clear();
    if (kind < 0 || kind > 3)
        return 0;
    const worksheet::Topic topic = kind == 3 ? worksheet::Topic::Givens()
                                             : worksheet::Topic(static_cast<calc::InputMode>(kind));
    worksheet::DocxDocument document(topic, decimalSeparator,
                                     sheet != 0 ? worksheet::Printout::Kind::Sheet
                                                : worksheet::Printout::Kind::Key,
                                     std::make_unique<PageOutput>());
    worksheet::TextSource source(list);
    NoSink sink;
    worksheet::Process(topic, decimalSeparator, source, document, sink);
    return static_cast<int>(parts.size());
}

// A part's name in the package ("word/document.xml"), its text (for a picture to paint,
// the SVG), and the picture's width and height in pixels (0 for a part to pack as it is).
const char *TeacherDocumentName(int index)
{
    const Part *part = At(index);
    return part != nullptr ? part->name.c_str() : "";
}

const char *TeacherDocumentText(int index)
{
    const Part *part = At(index);
    return part != nullptr ? part->text.c_str() : "";
}

int TeacherDocumentWidth(int index)
{
    const Part *part = At(index);
    return part != nullptr ? part->width : 0;
}

int TeacherDocumentHeight(int index)
{
    const Part *part = At(index);
    return part != nullptr ? part->height : 0;
}

} // extern "C"
