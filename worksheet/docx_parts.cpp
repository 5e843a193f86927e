#include "docx_parts.h"

#include "markup.h"
#include "solution.h"

namespace worksheet::docx
{
namespace
{

constexpr std::string_view kDeclaration =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
#define BISECTORS_W "http://schemas.openxmlformats.org/wordprocessingml/2006/main"
#define BISECTORS_R "http://schemas.openxmlformats.org/officeDocument/2006/relationships"
#define BISECTORS_M "http://schemas.openxmlformats.org/officeDocument/2006/math"
#define BISECTORS_RELATIONSHIPS "http://schemas.openxmlformats.org/package/2006/relationships"
#define BISECTORS_WORD_TYPE "application/vnd.openxmlformats-officedocument.wordprocessingml."

// Lengths in twentieths of a point (1 mm = 56.7) and font sizes in half points.
// The margins of the HTML pages (14, 15 and 16 mm), the top one with room for the header.
// A paragraph last, as Word ends every document (the last task may end with a table).
constexpr std::string_view kMainEnd =
    "<w:p/><w:sectPr><w:headerReference w:type=\"default\" r:id=\"rIdHeader\"/>"
    "<w:pgSz w:w=\"11906\" w:h=\"16838\"/>"
    "<w:pgMar w:top=\"1247\" w:right=\"850\" w:bottom=\"907\" w:left=\"850\" w:header=\"567\" "
    "w:footer=\"454\" w:gutter=\"0\"/></w:sectPr>\n</w:body>\n</w:document>\n";

constexpr std::string_view kStyles =
    "<w:styles xmlns:w=\"" BISECTORS_W "\">"
    "<w:docDefaults><w:rPrDefault><w:rPr><w:rFonts w:ascii=\"Times New Roman\" "
    "w:hAnsi=\"Times New Roman\" w:eastAsia=\"Times New Roman\" w:cs=\"Times New Roman\"/>"
    "<w:sz w:val=\"24\"/><w:szCs w:val=\"24\"/><w:lang w:val=\"bg-BG\" w:eastAsia=\"bg-BG\"/>"
    "</w:rPr></w:rPrDefault><w:pPrDefault><w:pPr><w:spacing w:after=\"0\" w:line=\"240\" "
    "w:lineRule=\"auto\"/></w:pPr></w:pPrDefault></w:docDefaults>\n"
    "<w:style w:type=\"paragraph\" w:default=\"1\" w:styleId=\"Normal\"><w:name "
    "w:val=\"Normal\"/><w:qFormat/></w:style>\n"
    "<w:style w:type=\"paragraph\" w:styleId=\"Heading1\"><w:name w:val=\"heading 1\"/>"
    "<w:basedOn w:val=\"Normal\"/><w:next w:val=\"Normal\"/><w:qFormat/><w:pPr><w:keepNext/>"
    "<w:spacing w:after=\"40\"/><w:outlineLvl w:val=\"0\"/></w:pPr><w:rPr><w:b/><w:bCs/>"
    "<w:sz w:val=\"34\"/><w:szCs w:val=\"34\"/></w:rPr></w:style>\n"
    "<w:style w:type=\"paragraph\" w:styleId=\"Kind\"><w:name w:val=\"Kind\"/>"
    "<w:basedOn w:val=\"Normal\"/><w:pPr><w:spacing w:after=\"160\"/></w:pPr></w:style>\n"
    // A task: a rule above it, 3 mm of room, kept with what follows.
    "<w:style w:type=\"paragraph\" w:styleId=\"Variant\"><w:name w:val=\"Variant\"/>"
    "<w:basedOn w:val=\"Heading1\"/><w:next w:val=\"Heading2\"/><w:qFormat/><w:pPr>"
    "<w:keepNext/></w:pPr></w:style>\n"
    "<w:style w:type=\"paragraph\" w:styleId=\"Heading2\"><w:name w:val=\"heading 2\"/>"
    "<w:basedOn w:val=\"Normal\"/><w:next w:val=\"Given\"/><w:qFormat/><w:pPr><w:keepNext/>"
    "<w:keepLines/><w:pBdr><w:top w:val=\"single\" w:sz=\"5\" w:space=\"8\" "
    "w:color=\"777777\"/></w:pBdr><w:spacing w:before=\"170\" w:after=\"80\"/>"
    "<w:outlineLvl w:val=\"1\"/></w:pPr><w:rPr><w:b/><w:bCs/><w:sz w:val=\"26\"/>"
    "<w:szCs w:val=\"26\"/></w:rPr></w:style>\n"
    "<w:style w:type=\"paragraph\" w:styleId=\"Given\"><w:name w:val=\"Given\"/>"
    "<w:basedOn w:val=\"Normal\"/><w:pPr><w:keepNext/><w:tabs><w:tab w:val=\"left\" "
    "w:pos=\"2155\"/></w:tabs></w:pPr></w:style>\n"
    "<w:style w:type=\"paragraph\" w:styleId=\"Report\"><w:name w:val=\"Report\"/>"
    "<w:basedOn w:val=\"Normal\"/><w:pPr><w:keepNext/><w:spacing w:before=\"60\"/>"
    "<w:contextualSpacing/></w:pPr><w:rPr><w:sz w:val=\"23\"/><w:szCs w:val=\"23\"/></w:rPr>"
    "</w:style>\n"
    "<w:style w:type=\"paragraph\" w:styleId=\"Exact\"><w:name w:val=\"Exact\"/>"
    "<w:basedOn w:val=\"Report\"/></w:style>\n"
    "<w:style w:type=\"paragraph\" w:styleId=\"Problem\"><w:name w:val=\"Problem\"/>"
    "<w:basedOn w:val=\"Normal\"/><w:pPr><w:keepNext/><w:spacing w:before=\"60\"/></w:pPr>"
    "<w:rPr><w:b/><w:bCs/></w:rPr></w:style>\n"
    "<w:style w:type=\"paragraph\" w:styleId=\"Figure\"><w:name w:val=\"Figure\"/>"
    "<w:basedOn w:val=\"Normal\"/><w:pPr><w:keepNext/></w:pPr></w:style>\n"
    "<w:style w:type=\"paragraph\" w:styleId=\"Heading3\"><w:name w:val=\"heading 3\"/>"
    "<w:basedOn w:val=\"Normal\"/><w:qFormat/><w:pPr><w:keepNext/><w:spacing "
    "w:before=\"120\"/><w:outlineLvl w:val=\"2\"/></w:pPr><w:rPr><w:b/><w:bCs/>"
    "<w:sz w:val=\"23\"/><w:szCs w:val=\"23\"/></w:rPr></w:style>\n"
    "<w:style w:type=\"paragraph\" w:styleId=\"SolutionPart\"><w:name "
    "w:val=\"Solution Part\"/><w:basedOn w:val=\"Normal\"/><w:pPr><w:keepNext/><w:spacing "
    "w:before=\"40\"/></w:pPr><w:rPr><w:i/><w:iCs/><w:sz w:val=\"21\"/><w:szCs w:val=\"21\"/>"
    "</w:rPr></w:style>\n"
    // A formula of a step: its left-hand side 6 mm in, its relations from 28 mm, where its
    // further lines start too (solution::kStepIndent, kRelationsAt).
    "<w:style w:type=\"paragraph\" w:styleId=\"SolutionStep\"><w:name "
    "w:val=\"Solution Step\"/><w:basedOn w:val=\"Normal\"/><w:pPr><w:keepLines/><w:tabs>"
    "<w:tab w:val=\"left\" w:pos=\"1587\"/></w:tabs><w:spacing w:before=\"20\"/>"
    "<w:ind w:left=\"1587\" w:hanging=\"1247\"/></w:pPr><w:rPr><w:sz w:val=\"21\"/>"
    "<w:szCs w:val=\"21\"/></w:rPr></w:style>\n"
    "<w:style w:type=\"paragraph\" w:styleId=\"SolutionNote\"><w:name "
    "w:val=\"Solution Note\"/><w:basedOn w:val=\"Normal\"/><w:pPr><w:spacing "
    "w:before=\"20\"/><w:ind w:left=\"340\"/></w:pPr><w:rPr><w:sz w:val=\"21\"/>"
    "<w:szCs w:val=\"21\"/></w:rPr></w:style>\n"
    // Room to write: 8 mm lines, ruled as borders.
    "<w:style w:type=\"paragraph\" w:styleId=\"Room\"><w:name w:val=\"Room\"/>"
    "<w:basedOn w:val=\"Normal\"/><w:pPr><w:pBdr><w:bottom w:val=\"single\" w:sz=\"3\" "
    "w:space=\"0\" w:color=\"888888\"/><w:between w:val=\"single\" w:sz=\"3\" w:space=\"0\" "
    "w:color=\"888888\"/></w:pBdr><w:spacing w:line=\"454\" w:lineRule=\"exact\"/></w:pPr>"
    "</w:style>\n"
    "<w:style w:type=\"paragraph\" w:styleId=\"Header\"><w:name w:val=\"header\"/>"
    "<w:basedOn w:val=\"Normal\"/><w:pPr><w:tabs><w:tab w:val=\"left\" w:leader=\"underscore\" "
    "w:pos=\"4536\"/><w:tab w:val=\"left\" w:leader=\"underscore\" w:pos=\"6804\"/>"
    "<w:tab w:val=\"right\" w:leader=\"underscore\" w:pos=\"10206\"/></w:tabs></w:pPr>"
    "<w:rPr><w:sz w:val=\"22\"/><w:szCs w:val=\"22\"/></w:rPr></w:style>\n"
    "</w:styles>\n";

static_assert(solution::kStepIndent == 340 && solution::kRelationsAt == 1587,
              "the step style's indents and tab stop, in kStyles, are the solution writer's");

} // namespace

std::string_view MainStart()
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
           "<w:document xmlns:w=\"" BISECTORS_W "\" xmlns:r=\"" BISECTORS_R
           "\" xmlns:m=\"" BISECTORS_M
           "\" xmlns:wp=\"http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing\" "
           "xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\" "
           "xmlns:wpg=\"http://schemas.microsoft.com/office/word/2010/wordprocessingGroup\" "
           "xmlns:wps=\"http://schemas.microsoft.com/office/word/2010/wordprocessingShape\">\n"
           "<w:body>\n";
}

std::string_view MainEnd()
{
    return kMainEnd;
}

std::string ContentTypes()
{
    std::string text(kDeclaration);
    text += "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
            "<Default Extension=\"rels\" "
            "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
            "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
            "<Override PartName=\"/word/document.xml\" ContentType=\"" BISECTORS_WORD_TYPE
            "document.main+xml\"/>"
            "<Override PartName=\"/word/styles.xml\" ContentType=\"" BISECTORS_WORD_TYPE
            "styles+xml\"/>"
            "<Override PartName=\"/word/settings.xml\" ContentType=\"" BISECTORS_WORD_TYPE
            "settings+xml\"/>"
            "<Override PartName=\"/word/header1.xml\" ContentType=\"" BISECTORS_WORD_TYPE
            "header+xml\"/>"
            "<Override PartName=\"/docProps/core.xml\" "
            "ContentType=\"application/vnd.openxmlformats-package.core-properties+xml\"/>"
            "</Types>\n";
    return text;
}

std::string PackageRelationships()
{
    std::string text(kDeclaration);
    text += "<Relationships xmlns=\"" BISECTORS_RELATIONSHIPS "\">"
            "<Relationship Id=\"rIdDocument\" Type=\"" BISECTORS_R "/officeDocument\" "
            "Target=\"word/document.xml\"/>"
            "<Relationship Id=\"rIdCore\" Type=\"" BISECTORS_RELATIONSHIPS
            "/metadata/core-properties\" Target=\"docProps/core.xml\"/>"
            "</Relationships>\n";
    return text;
}

std::string MainRelationships()
{
    std::string text(kDeclaration);
    text +=
        "<Relationships xmlns=\"" BISECTORS_RELATIONSHIPS "\">"
        "<Relationship Id=\"rIdStyles\" Type=\"" BISECTORS_R "/styles\" Target=\"styles.xml\"/>"
        "<Relationship Id=\"rIdSettings\" Type=\"" BISECTORS_R
        "/settings\" Target=\"settings.xml\"/>"
        "<Relationship Id=\"rIdHeader\" Type=\"" BISECTORS_R "/header\" Target=\"header1.xml\"/>"
        "</Relationships>\n";
    return text;
}

std::string CoreProperties(std::string_view title)
{
    std::string text(kDeclaration);
    text += "<cp:coreProperties "
            "xmlns:cp=\"http://schemas.openxmlformats.org/package/2006/metadata/core-properties\" "
            "xmlns:dc=\"http://purl.org/dc/elements/1.1/\"><dc:title>";
    figure::AppendEscaped(text, title);
    text += "</dc:title><dc:language>bg-BG</dc:language></cp:coreProperties>\n";
    return text;
}

std::string Styles()
{
    std::string text(kDeclaration);
    text += kStyles;
    return text;
}

std::string Settings()
{
    // Word's own layout of today (compatibility mode 15), and Cambria Math, which Word
    // has, for the formulas; Writer draws them with its own formula fonts.
    std::string text(kDeclaration);
    text += "<w:settings xmlns:w=\"" BISECTORS_W "\" xmlns:m=\"" BISECTORS_M "\">"
            "<w:defaultTabStop w:val=\"708\"/><w:compat><w:compatSetting "
            "w:name=\"compatibilityMode\" w:uri=\"http://schemas.microsoft.com/office/word\" "
            "w:val=\"15\"/></w:compat><m:mathPr><m:mathFont m:val=\"Cambria Math\"/></m:mathPr>"
            "<w:themeFontLang w:val=\"bg-BG\"/></w:settings>\n";
    return text;
}

std::string Header()
{
    // Room for the school, the class and the name: tabs drawn as lines to write on.
    std::string text(kDeclaration);
    text += "<w:hdr xmlns:w=\"" BISECTORS_W "\"><w:p><w:pPr><w:pStyle w:val=\"Header\"/>"
            "</w:pPr><w:r><w:t xml:space=\"preserve\">Училище: </w:t><w:tab/>"
            "<w:t xml:space=\"preserve\">  Клас: </w:t><w:tab/>"
            "<w:t xml:space=\"preserve\">  Име: </w:t><w:tab/></w:r></w:p></w:hdr>\n";
    return text;
}

} // namespace worksheet::docx
