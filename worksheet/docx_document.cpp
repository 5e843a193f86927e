#include "docx_document.h"

#include "fields.h"

#include "chapter_report.h"
#include "docx_parts.h"
#include "figure.h"
#include "kinds.h"
#include "markup.h"
#include "numbers.h"
#include "solution.h"
#include "wordml.h"

namespace worksheet
{
namespace
{

using figure::AppendEscaped;

// The figure printed 84 mm wide, as on the HTML key, in English Metric Units.
constexpr long kFigureWidthEmu = 84L * 36000;
constexpr auto kFigureHeightEmu =
    static_cast<long>(kFigureWidthEmu * AnswerKey::kFigureHeight / AnswerKey::kFigureWidth);
// The data beside the figure: the columns of the task's table, in twentieths of a point.
constexpr int kFigureColumn = 4820;
constexpr int kDataColumn = docx::kTextWidth - kFigureColumn;

// Word's extension for an SVG picture, with the PNG as the picture for other programs.
constexpr std::string_view kSvgExtension = "{96DAC541-7B7A-43D3-8B79-37D633B846F1}";

constexpr std::size_t kPiece = std::size_t{64} * 1024;

using solution::wordml::AppendParagraph;
using solution::wordml::OpenParagraph;

// A paragraph a line of `text`, each ended by a line feed.
void AppendLines(std::string &out, std::string_view style, std::string_view text)
{
    ForEachLine(text, [&](std::string_view line) { AppendParagraph(out, style, line); });
}

} // namespace

DocxDocument::DocxDocument(Topic topic, std::string_view decimalSeparator, Printout::Kind kind,
                           std::unique_ptr<DocxOutput> output)
    : topic_(topic), separator_(decimalSeparator), kind_(kind), output_(std::move(output))
{
}

std::string_view DocxDocument::Heading() const
{
    if (kind_ == Printout::Kind::Key)
        return topic_.givens ? AnswerKey::kGivensHeading : AnswerKey::kHeading;
    return topic_.givens ? StudentSheet::kGivensHeading : StudentSheet::kHeading;
}

void DocxDocument::AppendHead()
{
    main_ += docx::MainStart();
    const bool key = kind_ == Printout::Kind::Key;
    AppendParagraph(main_, docx::kTitleStyle, Heading());
    std::string kind(topic_.givens ? kGivensGiven : calc::Words(topic_.mode).given);
    if (!key) {
        kind += ' ';
        kind += topic_.givens ? StudentSheet::kGivensTask : StudentSheet::kTask;
    }
    AppendParagraph(main_, docx::kKindStyle, kind);
}

Verdict DocxDocument::Add(std::string &, const Record &record)
{
    if (blocks_ == 0)
        AppendHead();
    ++blocks_;
    if (record.variant != variant_) { // each variant of a class test from a new page
        if (!variant_.empty())
            main_ += "<w:p><w:r><w:br w:type=\"page\"/></w:r></w:p>";
        variant_ = record.variant;
        AppendParagraph(main_, docx::kVariantStyle, std::string(kVariantTitle) + variant_);
    }
    std::string title(kTaskTitle);
    title += std::to_string(record.task);
    AppendParagraph(main_, docx::kTaskStyle, title);
    if (kind_ == Printout::Kind::Key && record.chapter)
        AddGivensTask(record);
    else if (kind_ == Printout::Kind::Key)
        AddKeyTask(record);
    else
        AddSheetTask(record);
    Spill();
    return PageVerdict(record);
}

// The lengths as the core read them, as the HTML pages write them, or the line that is no
// triple and why.
void DocxDocument::AppendGiven(const Record &record)
{
    if (record.Malformed()) {
        std::string line(kLineLabel);
        line += '\t';
        line += record.line;
        AppendParagraph(main_, docx::kGivenStyle, line);
        AppendParagraph(main_, docx::kProblemStyle,
                        record.givenProblem.empty() ? CountText(record.count)
                                                    : std::string(record.givenProblem) + ".");
        return;
    }
    if (record.chapter) {
        for (const calc::Given &given : record.chapter->givens) {
            std::string line(calc::Info(given.element).name);
            line += '\t';
            calc::AppendNumberText(line, given.value, separator_);
            if (calc::Info(given.element).kind == calc::ElementKind::Angle)
                line += "°";
            AppendParagraph(main_, docx::kGivenStyle, line);
        }
        return;
    }
    for (std::size_t i = 0; i < 3; ++i) {
        std::string line(calc::Words(topic_.mode).labels[i]);
        line += '\t';
        calc::AppendNumberText(line, record.solution->given[i], separator_);
        AppendParagraph(main_, docx::kGivenStyle, line);
    }
}

void DocxDocument::AddSheetTask(const Record &record)
{
    AppendGiven(record);
    if (record.Malformed())
        return;
    for (int line = 1; line <= StudentSheet::kRuledLines; ++line)
        AppendParagraph(main_, docx::kRoomStyle, {}, line < StudentSheet::kRuledLines);
}

// The report as the program prints it, the exact values after it.
void DocxDocument::AppendAnswers(const calc::Solution &solution)
{
    const calc::ReportStyle style{.decimalSeparator = separator_, .lineEnd = "\n"};
    scratch_.clear();
    calc::AppendReport(scratch_, solution, style);
    AppendLines(
        main_, solution.outcome == calc::Outcome::Solved ? docx::kReportStyle : docx::kProblemStyle,
        scratch_);
    scratch_.clear();
    calc::AppendExactValues(scratch_, solution, style);
    AppendLines(main_, docx::kExactStyle, scratch_);
}

void DocxDocument::AddKeyTask(const Record &record)
{
    if (record.Malformed()) {
        AppendGiven(record);
        return;
    }
    const calc::Solution &solution = *record.solution;
    const figure::FigureOptions options{.width = AnswerKey::kFigureWidth,
                                        .height = AnswerKey::kFigureHeight,
                                        .decimalSeparator = separator_};
    const std::string svg = figure::Svg(solution, options);
    const std::string name = "figure" + std::to_string(blocks_);
    if (svg.empty() || !output_->AddFigure("word/media/" + name, solution, options, svg)) {
        AppendGiven(record);
        AppendAnswers(solution);
        // No empty figure: the task says why there is none.
        if (const std::string_view reason = figure::NoFigureReason(solution);
            record.Solved() && !reason.empty())
            AppendParagraph(main_, docx::kProblemStyle, reason);
    } else {
        // The data and the answers beside the figure: a table without borders.
        main_ += "<w:tbl><w:tblPr><w:tblW w:w=\"";
        main_ += std::to_string(docx::kTextWidth);
        main_ += "\" w:type=\"dxa\"/><w:tblLayout w:type=\"fixed\"/><w:tblCellMar><w:left "
                 "w:w=\"0\" w:type=\"dxa\"/><w:right w:w=\"0\" w:type=\"dxa\"/></w:tblCellMar>"
                 "<w:tblLook w:val=\"0000\"/></w:tblPr><w:tblGrid><w:gridCol w:w=\"";
        main_ += std::to_string(kDataColumn);
        main_ += "\"/><w:gridCol w:w=\"";
        main_ += std::to_string(kFigureColumn);
        main_ += "\"/></w:tblGrid><w:tr><w:trPr><w:cantSplit/></w:trPr><w:tc><w:tcPr><w:tcW w:w=\"";
        main_ += std::to_string(kDataColumn);
        main_ += "\" w:type=\"dxa\"/></w:tcPr>\n";
        AppendGiven(record);
        AppendAnswers(solution);
        main_ += "</w:tc><w:tc><w:tcPr><w:tcW w:w=\"";
        main_ += std::to_string(kFigureColumn);
        main_ += "\" w:type=\"dxa\"/></w:tcPr>\n";
        AppendPicture(name, solution, blocks_);
        main_ += "</w:tc></w:tr></w:tbl>\n";
    }
    // The worked solution, or why there is none, under the data and the figure.
    AppendParagraph(main_, docx::kStepsStyle, solution::kHeading);
    solution::AppendOmml(main_, solution::Work(solution), separator_, docx::kTextWidth);
}

// A task of givens: the data, the chapter's report of every triangle with its exact values,
// then a figure of each triangle, drawn from its sides; a triangle too thin to draw says so.
// The worked solution of the task goes after them, when the chapter has one.
void DocxDocument::AddGivensTask(const Record &record)
{
    const calc::chapter::Solution &solution = *record.chapter;
    AppendGiven(record);
    scratch_.clear();
    calc::chapter::AppendReport(scratch_, solution,
                                {.decimalSeparator = separator_, .lineEnd = "\n"}, true);
    AppendLines(main_, record.Solved() ? docx::kReportStyle : docx::kProblemStyle, scratch_);
    const figure::FigureOptions options{.width = AnswerKey::kFigureWidth,
                                        .height = AnswerKey::kFigureHeight,
                                        .decimalSeparator = separator_};
    for (std::size_t i = 0; i < solution.triangles.size(); ++i) {
        const calc::Solution sides =
            calc::Solve(calc::InputMode::Sides, solution.triangles[i].Sides());
        const std::string svg = figure::Svg(sides, options);
        const std::size_t id = ++pictures_;
        const std::string name = "figure" + std::to_string(id);
        if (svg.empty() || !output_->AddFigure("word/media/" + name, sides, options, svg)) {
            if (const std::string_view reason = figure::NoFigureReason(sides); !reason.empty())
                AppendParagraph(main_, docx::kProblemStyle, reason);
            continue;
        }
        if (solution.triangles.size() > 1)
            AppendParagraph(main_, docx::kReportStyle,
                            std::string(calc::chapter::kTriangleHeading) + std::to_string(i + 1));
        AppendPicture(name, sides, id);
    }
}

// The figure of the current task, inline, 84 mm wide: the PNG, and the SVG for Word, both
// in the output as `name`.
void DocxDocument::AppendPicture(const std::string &name, const calc::Solution &solution,
                                 std::size_t id)
{
    const std::string number = std::to_string(id);
    for (const std::string_view extension : {"png", "svg"}) {
        relationships_ += "<Relationship Id=\"rId";
        relationships_ += extension;
        relationships_ += number;
        relationships_ += "\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
                          "relationships/image\" Target=\"media/";
        relationships_ += name;
        relationships_ += '.';
        relationships_ += extension;
        relationships_ += "\"/>";
    }
    const std::string width = std::to_string(kFigureWidthEmu);
    const std::string height = std::to_string(kFigureHeightEmu);
    OpenParagraph(main_, docx::kFigureStyle);
    main_ += "<w:r><w:drawing><wp:inline distT=\"0\" distB=\"0\" distL=\"0\" distR=\"0\">"
             "<wp:extent cx=\"";
    main_ += width;
    main_ += "\" cy=\"";
    main_ += height;
    main_ += "\"/><wp:effectExtent l=\"0\" t=\"0\" r=\"0\" b=\"0\"/><wp:docPr id=\"";
    main_ += number;
    main_ += "\" name=\"";
    main_ += name;
    main_ += "\" descr=\"";
    AppendEscaped(main_, figure::Description(solution, separator_));
    main_ += "\"/><wp:cNvGraphicFramePr><a:graphicFrameLocks noChangeAspect=\"1\"/>"
             "</wp:cNvGraphicFramePr><a:graphic><a:graphicData "
             "uri=\"http://schemas.openxmlformats.org/drawingml/2006/picture\"><pic:pic>"
             "<pic:nvPicPr><pic:cNvPr id=\"";
    main_ += number;
    main_ += "\" name=\"";
    main_ += name;
    main_ += ".png\"/><pic:cNvPicPr/></pic:nvPicPr><pic:blipFill><a:blip r:embed=\"rIdpng";
    main_ += number;
    main_ += "\"><a:extLst><a:ext uri=\"";
    main_ += kSvgExtension;
    main_ += "\"><asvg:svgBlip r:embed=\"rIdsvg";
    main_ += number;
    main_ += "\"/></a:ext></a:extLst></a:blip><a:stretch><a:fillRect/></a:stretch>"
             "</pic:blipFill><pic:spPr><a:xfrm><a:off x=\"0\" y=\"0\"/><a:ext cx=\"";
    main_ += width;
    main_ += "\" cy=\"";
    main_ += height;
    main_ += "\"/></a:xfrm><a:prstGeom prst=\"rect\"><a:avLst/></a:prstGeom></pic:spPr>"
             "</pic:pic></a:graphicData></a:graphic></wp:inline></w:drawing></w:r></w:p>\n";
}

void DocxDocument::Spill()
{
    if (main_.size() < kPiece)
        return;
    output_->AppendMain(main_);
    main_.clear();
}

Ending DocxDocument::Finish(std::string &out)
{
    if (!finishing_)
        Close();
    Ending ending = output_->Write(out);
    if (ending.more)
        return ending;
    finishing_ = false;
    blocks_ = 0;
    pictures_ = 0;
    variant_.clear();
    main_.clear();
    relationships_.clear();
    return ending;
}

// The end of the main part and the small parts, to the output.
void DocxDocument::Close()
{
    finishing_ = true;
    if (blocks_ == 0) {
        AppendHead();
        AppendParagraph(main_, docx::kKindStyle, kNoTasks);
    }
    main_ += docx::MainEnd();
    output_->AppendMain(main_);
    output_->AddPart(std::string(docx::kContentTypesName), docx::ContentTypes());
    output_->AddPart(std::string(docx::kPackageRelationshipsName), docx::PackageRelationships());
    output_->AddPart(std::string(docx::kCorePropertiesName), docx::CoreProperties(Heading()));
    output_->AddPart(std::string(docx::kMainRelationshipsName),
                     docx::MainRelationships(relationships_));
    output_->AddPart(std::string(docx::kStylesName), docx::Styles());
    output_->AddPart(std::string(docx::kSettingsName), docx::Settings());
    output_->AddPart(std::string(docx::kHeaderName), docx::Header());
}

} // namespace worksheet
