// The teacher's documents for Word and Writer in the web page: the same document as the
// command line's --docx (worksheet/docx_document.h), its XML made by the same code, handed
// to the page part by part, its figures drawings in the main part. The page packs the parts
// into the .docx file (docx.js). Texts cross as UTF-8 with a final NUL, valid until the
// next TeacherDocument.
#include "docx_document.h"
#include "docx_parts.h"
#include "pipeline.h"

#include <string>
#include <string_view>
#include <vector>

namespace
{

// A part of the document: its name in the package and its text.
struct Part {
    std::string name;
    std::string text;
};

std::vector<Part> parts;

// The parts in the order the command line packs them (docx_package.h): the small ones,
// then the main part.
class PageOutput final : public worksheet::DocxOutput
{
public:
    void AppendMain(std::string_view text) override { main_ += text; }

    void AddPart(std::string name, std::string text) override
    {
        small_.push_back({std::move(name), std::move(text)});
    }

    // The parts, to `parts`: no file is made here.
    worksheet::Ending Write(std::string & /*out*/) override
    {
        parts = std::move(small_);
        parts.push_back({std::string(worksheet::docx::kMainName), std::move(main_)});
        small_.clear();
        main_.clear();
        return {};
    }

private:
    std::vector<Part> small_;
    std::string main_;
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
                                     sheet != 0 ? worksheet::Printout::Page::Sheet
                                                : worksheet::Printout::Page::Key,
                                     std::make_unique<PageOutput>());
    worksheet::TextSource source(list);
    NoSink sink;
    worksheet::Process(topic, decimalSeparator, source, document, sink);
    return static_cast<int>(parts.size());
}

// A part's name in the package ("word/document.xml") and its text.
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

} // extern "C"
