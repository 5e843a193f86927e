#include "docx_archive.h"
#include "docx_document.h"
#include "row_name.h"

#include <expat.h>
#include <gtest/gtest.h>
#include <zip.h>

#include <algorithm>
#include <map>
#include <regex>
#include <string>

namespace
{

using calc::InputMode;
using Page = worksheet::Printout::Page;

// A document of a worksheet: how many tasks and figures it has, what it says.
struct DocxCase {
    const char *name;
    Page page;
    worksheet::Topic mode;
    std::string worksheet;
    int tasks;
    int pictures;
    std::vector<std::string> contains;
};

std::ostream &operator<<(std::ostream &os, const DocxCase &c)
{
    return os << c.name;
}

// The parts of a document as an output passes them on, in memory.
class MemoryOutput final : public worksheet::DocxOutput
{
public:
    explicit MemoryOutput(std::map<std::string, std::string> &parts) : parts_(parts) {}
    void AppendMain(std::string_view text) override { main_ += text; }
    void AddPart(std::string name, std::string text) override { parts_[name] = std::move(text); }
    worksheet::Ending Write(std::string &) override
    {
        parts_["word/document.xml"] = std::move(main_);
        main_.clear();
        return {};
    }

private:
    std::map<std::string, std::string> &parts_;
    std::string main_;
};

// The document's end, every piece of it, to `out`: why it could not be made, empty when it
// was.
std::string FinishWhole(worksheet::Document &document, std::string &out)
{
    worksheet::Ending ending = document.Finish(out);
    while (ending.more)
        ending = document.Finish(out);
    return ending.problem;
}

std::string
Document(const DocxCase &c,
         std::unique_ptr<worksheet::DocxOutput> output = std::make_unique<worksheet::DocxArchive>())
{
    worksheet::DocxDocument document(c.mode, ",", c.page, std::move(output));
    worksheet::Reader reader(c.mode, ",", document.Options());
    std::string ignored;
    worksheet::ForEachLine(c.worksheet, [&](std::string_view line) {
        if (const worksheet::Record *record = reader.Read(line))
            document.Add(ignored, *record);
    });
    std::string docx;
    EXPECT_EQ(FinishWhole(document, docx), "");
    return docx;
}

// The parts of a zip archive by name, read back with libzip.
std::map<std::string, std::string> Parts(const std::string &docx)
{
    std::map<std::string, std::string> parts;
    zip_source_t *source = zip_source_buffer_create(docx.data(), docx.size(), 0, nullptr);
    zip_t *archive = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, nullptr);
    EXPECT_NE(archive, nullptr);
    for (zip_int64_t i = 0; archive != nullptr && i < zip_get_num_entries(archive, 0); ++i) {
        zip_stat_t stat;
        zip_stat_index(archive, static_cast<zip_uint64_t>(i), 0, &stat);
        std::string &bytes = parts[stat.name];
        bytes.resize(stat.size);
        zip_file_t *file = zip_fopen_index(archive, static_cast<zip_uint64_t>(i), 0);
        EXPECT_EQ(zip_fread(file, bytes.data(), stat.size), static_cast<zip_int64_t>(stat.size));
        zip_fclose(file);
    }
    zip_close(archive);
    return parts;
}

bool WellFormed(const std::string &xml)
{
    XML_Parser parser = XML_ParserCreate("UTF-8");
    const bool ok = XML_Parse(parser, xml.data(), static_cast<int>(xml.size()), 1) == XML_STATUS_OK;
    XML_ParserFree(parser);
    return ok;
}

std::vector<std::string> Matches(const std::string &text, const std::string &pattern)
{
    std::vector<std::string> found;
    const std::regex re(pattern);
    for (auto m = std::sregex_iterator(text.begin(), text.end(), re); m != std::sregex_iterator();
         ++m)
        found.push_back((*m)[1]);
    return found;
}

class DocxDocumentTest : public testing::TestWithParam<DocxCase>
{
};

// Every XML part well-formed, every part of a type the package declares, every reference
// of the main part to a relationship whose target is in the package, every drawing and
// shape of a number of its own: what Word checks before it opens a document, and refuses
// it for.
TEST_P(DocxDocumentTest, IsAConsistentPackage)
{
    const DocxCase &c = GetParam();
    std::map<std::string, std::string> parts = Parts(Document(c));
    const std::string &types = parts["[Content_Types].xml"];
    const std::string &main = parts["word/document.xml"];
    for (const auto &[name, bytes] : parts) {
        const std::string extension = name.substr(name.rfind('.') + 1);
        EXPECT_NE(types.find("Extension=\"" + extension + "\""), std::string::npos) << name;
        EXPECT_TRUE(WellFormed(bytes)) << name;
    }
    EXPECT_EQ(Matches(main, "(<wpg:wgp>)").size(), static_cast<std::size_t>(c.pictures));
    std::vector<std::string> ids = Matches(main, "<(?:wp:docPr|wps:cNvPr) id=\"(\\d+)\"");
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end());
    std::map<std::string, std::string> targets;
    const std::string &relationships = parts["word/_rels/document.xml.rels"];
    for (const std::string &element : Matches(relationships, "(<Relationship [^>]*>)"))
        targets[Matches(element, "Id=\"([^\"]*)\"").at(0)] =
            Matches(element, "Target=\"([^\"]*)\"").at(0);
    for (const std::string &id :
         Matches(main + parts["word/settings.xml"], "r:(?:embed|id)=\"([^\"]*)\""))
        EXPECT_TRUE(targets.contains(id) && parts.contains("word/" + targets[id])) << id;
    EXPECT_EQ(Matches(main, ">(Задача \\d+)<").size(), static_cast<std::size_t>(c.tasks));
    for (const std::string &text : c.contains)
        EXPECT_NE(main.find(text), std::string::npos) << text;
}

INSTANTIATE_TEST_SUITE_P(
    Worksheets, DocxDocumentTest,
    testing::Values(
        DocxCase{"Key",
                 Page::Key,
                 InputMode::Sides,
                 "3 4 5\n1 2 3\n# comment\n1 2\n12,5 15 20\n",
                 4,
                 2,
                 {"Ключ с отговори", "Некоректни данни!", "Редът трябва да съдържа три числа",
                  "Yg_a = 4,21637021355784", "<m:oMath>", "descr=\"Триъгълник ABC по три страни"}},
        DocxCase{"Sheet",
                 Page::Sheet,
                 InputMode::Medians,
                 "3 4 5\n1 2 3\n1 2\n",
                 3,
                 0,
                 {"Намерете страните", "Медиана AK (ma):<"}},
        DocxCase{"EmptyKey", Page::Key, InputMode::Heights, "# no tasks\n", 0, 0, {"Няма задачи."}},
        // A picture of each triangle of a task of givens, none of a refused one, and the
        // worked solution.
        DocxCase{"KeyOfGivens",
                 Page::Key,
                 worksheet::Topic::Givens(),
                 "a=7 b=8 alpha=60\na=3 b=4 c=9\nx=1\nR=3 beta=60 gamma=60\n",
                 4,
                 3,
                 {"Ключ с отговори — триъгълник по три елемента",
                  "α</w:t><w:tab/><w:t xml:space=\"preserve\">60°", "Триъгълник 2", "cos β = 1/7",
                  "Страната c е поне колкото", "непознат елемент „x“",
                  "Две страни и ъгъл срещу едната от тях", "descr=\"Триъгълник ABC по три страни"}},
        DocxCase{"SheetOfGivens",
                 Page::Sheet,
                 worksheet::Topic::Givens(),
                 "b=5 c=5 beta=30\n",
                 1,
                 0,
                 {"Задачи — триъгълник по три елемента", "Намерете всички триъгълници",
                  "β</w:t><w:tab/><w:t xml:space=\"preserve\">30°"}}),
    RowName<DocxCase>);

// The same worksheet makes the same file, byte for byte, from a document that has been
// finished before.
TEST(DocxDocument, StartsAfreshAfterFinish)
{
    const DocxCase c{"Twice", Page::Key, InputMode::Sides, "3 4 5\n", 1, 1, {}};
    worksheet::DocxDocument document(c.mode, ",", c.page,
                                     std::make_unique<worksheet::DocxArchive>());
    std::string first, second, ignored;
    for (std::string *out : {&first, &second}) {
        worksheet::Reader reader(c.mode, ",", document.Options()); // a worksheet of its own
        document.Add(ignored, *reader.Read("3 4 5"));
        EXPECT_EQ(FinishWhole(document, *out), "");
    }
    EXPECT_EQ(first, second);
    EXPECT_EQ(ignored, "");
    EXPECT_EQ(first, Document(c));
}

// Whichever output takes the document, its XML is the same: the web page's, which packs
// the parts itself, is the command line's, part for part.
TEST(DocxDocument, SameXmlWhateverTheOutput)
{
    const DocxCase c{"Output", Page::Key, InputMode::Sides, "3 4 5\n1 2 3\n", 2, 1, {}};
    const std::map<std::string, std::string> archived = Parts(Document(c));
    std::map<std::string, std::string> kept;
    Document(c, std::make_unique<MemoryOutput>(kept));
    EXPECT_EQ(kept, archived);
    EXPECT_EQ(kept["word/_rels/document.xml.rels"].find("media/"), std::string::npos);
}

// A figure drawn as an earlier one is the same drawing but for its numbers and name, and a
// figure of another triangle, even a similar one, is its own, as drawn on its own.
TEST(DocxDocument, DrawsEachFigureAsItsTriangle)
{
    const DocxCase repeated{"Repeated", Page::Key, InputMode::Sides, "3 4 5\n6 8 10\n3 4 5\n", 3,
                            3,          {}};
    const DocxCase alone{"Alone", Page::Key, InputMode::Sides, "6 8 10\n", 1, 1, {}};
    const auto drawings = [](const DocxCase &c) {
        const std::string main = Parts(Document(c))["word/document.xml"];
        std::vector<std::string> found;
        const std::regex numbers(" id=\"\\d+\"| name=\"figure\\d+\"");
        for (std::size_t at = main.find("<w:drawing>"); at != std::string::npos;
             at = main.find("<w:drawing>", at + 1))
            found.push_back(std::regex_replace(main.substr(at, main.find("</w:drawing>", at) - at),
                                               numbers, ""));
        return found;
    };
    const std::vector<std::string> three = drawings(repeated);
    ASSERT_EQ(three.size(), 3U);
    EXPECT_EQ(three[2], three[0]);
    EXPECT_NE(three[1], three[0]);
    EXPECT_EQ(three[1], drawings(alone).at(0));
}

} // namespace
