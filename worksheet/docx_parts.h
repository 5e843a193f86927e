#pragma once

// The fixed parts of a document for Word and Writer (docx_document.h), and the start and
// the end of its main part: what every such document holds, whatever its tasks. A4 pages
// with the margins of the HTML pages and a header line with room for the school, the
// class and the name; the styles the tasks are written in, Times New Roman (Liberation
// Serif where Writer has no Times) like the HTML pages.

#include <string>
#include <string_view>

namespace worksheet::docx
{

// The styles of the main part's paragraphs (styles.xml defines them).
inline constexpr std::string_view kTitleStyle = "Heading1";  // the document's heading
inline constexpr std::string_view kKindStyle = "Kind";       // what is given and asked
inline constexpr std::string_view kVariantStyle = "Variant"; // "Вариант Б"
inline constexpr std::string_view kTaskStyle = "Heading2";   // "Задача N"
inline constexpr std::string_view kGivenStyle = "Given";     // a length given, or the line
inline constexpr std::string_view kReportStyle = "Report";   // a line of the report
inline constexpr std::string_view kExactStyle = "Exact";     // a line of the exact values
inline constexpr std::string_view kProblemStyle = "Problem"; // why there is no answer
inline constexpr std::string_view kFigureStyle = "Figure";   // the paragraph of a picture
inline constexpr std::string_view kStepsStyle = "Heading3";  // "Решение:"
inline constexpr std::string_view kRoomStyle = "Room";       // a ruled line to write on

// The main part's name in the package.
inline constexpr std::string_view kMainName = "word/document.xml";
// Its text width in twentieths of a point: A4 less the margins, 180 mm.
inline constexpr int kTextWidth = 10206;

// The main part up to its first paragraph: the XML declaration and the namespaces.
std::string_view MainStart();
// The main part after its last paragraph: the page (A4, the header) and the ends.
std::string_view MainEnd();

// [Content_Types].xml; the package's relationships; the main part's (its figures are
// drawings in the main part itself, with no parts of their own).
std::string ContentTypes();
std::string PackageRelationships();
std::string MainRelationships();

// The document's title and language, for the file's properties.
std::string CoreProperties(std::string_view title);
std::string Styles();
std::string Settings();
std::string Header();

// The names of the fixed parts in the package.
inline constexpr std::string_view kContentTypesName = "[Content_Types].xml";
inline constexpr std::string_view kPackageRelationshipsName = "_rels/.rels";
inline constexpr std::string_view kMainRelationshipsName = "word/_rels/document.xml.rels";
inline constexpr std::string_view kCorePropertiesName = "docProps/core.xml";
inline constexpr std::string_view kStylesName = "word/styles.xml";
inline constexpr std::string_view kSettingsName = "word/settings.xml";
inline constexpr std::string_view kHeaderName = "word/header1.xml";

} // namespace worksheet::docx
