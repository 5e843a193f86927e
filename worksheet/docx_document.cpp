#include "docx_document.h"

#include "fields.h"

#include "chapter_report.h"
#include "chapter_work.h"
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

constexpr std::size_t kPiece = std::size_t{64} * 1024;

using solution::wordml::AppendParagraph;
using solution::wordml::OpenParagraph;

// A paragraph a line of `text`, each ended by a line feed.
void AppendLines(std::string &out, std::string_view style, std::string_view text)
{
    ForEachLine(text, [&](std::string_view line) { AppendParagraph(out, style, line); });
}

} // namespace

DocxDocument::DocxDocument(Topic topic, std::string_view decimalSeparator, Printout::Page page,
                           std::unique_ptr<DocxOutput> output)
    : topic_(topic), separator_(decimalSeparator), page_(page), output_(std::move(output))
{
}

std::string_view DocxDocument::Heading() const
{
    if (page_ == Printout::Page::Key)
        return topic_.givens ? AnswerKey::kGivensHeading : AnswerKey::kHeading;
    return topic_.givens ? StudentSheet::kGivensHeading : StudentSheet::kHeading;
}

void DocxDocument::AppendHead()
{
    main_ += docx::MainStart();
    const bool key = page_ == Printout::Page::Key;
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
    if (page_ == Printout::Page::Key && record.chapter)
        AddGivensTask(record);
    else if (page_ == Printout::Page::Key)
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
    // The figure drawn as shapes at the size it is printed, each pixel of the drawing's
    // box kFigureWidthEmu / width on the page; the picture's own number first.
    const figure::Frame box = figure::FrameOf(options);
    const long pictureId = nextShapeId_;
    figure::DrawingMlPainter painter(static_cast<double>(kFigureWidthEmu) / box.width,
                                     pictureId + 1);
    const figure::Frame frame = figure::Draw(solution, options, painter);
    if (frame.scale == 0) {
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
        nextShapeId_ = painter.NextId();
        AppendPicture(pictureId, "figure" + std::to_string(blocks_), solution, painter, frame);
        main_ += "</w:tc></w:tr></w:tbl>\n";
    }
    // The worked solution, or why there is none, under the data and the figure.
    AppendParagraph(main_, docx::kStepsStyle, solution::kHeading);
    solution::AppendOmml(main_, solution::Work(solution), separator_, docx::kTextWidth);
}

// A task of givens: the data, the chapter's report of every triangle with its exact values,
// then a figure of each triangle, drawn from its sides as shapes (a triangle too thin to
// draw says so), and the worked solution.
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
    const figure::Frame box = figure::FrameOf(options);
    for (std::size_t i = 0; i < solution.triangles.size(); ++i) {
        const calc::Solution sides =
            calc::Solve(calc::InputMode::Sides, solution.triangles[i].Sides());
        const long pictureId = nextShapeId_;
        figure::DrawingMlPainter painter(static_cast<double>(kFigureWidthEmu) / box.width,
                                         pictureId + 1);
        const figure::Frame frame = figure::Draw(sides, options, painter);
        if (frame.scale == 0) {
            if (const std::string_view reason = figure::NoFigureReason(sides); !reason.empty())
                AppendParagraph(main_, docx::kProblemStyle, reason);
            continue;
        }
        if (solution.triangles.size() > 1)
            AppendParagraph(main_, docx::kReportStyle,
                            std::string(calc::chapter::kTriangleHeading) + std::to_string(i + 1));
        nextShapeId_ = painter.NextId();
        AppendPicture(pictureId, "figure" + std::to_string(blocks_) + "-" + std::to_string(i + 1),
                      sides, painter, frame);
    }
    AppendParagraph(main_, docx::kStepsStyle, solution::kHeading);
    solution::AppendOmml(main_, solution::WorkChapter(solution), separator_, docx::kTextWidth);
}

// The figure of the current task, inline, 84 mm wide: the group of the shapes `painter`
// drew in `frame`, in a drawing of number `id`.
void DocxDocument::AppendPicture(long id, std::string_view name, const calc::Solution &solution,
                                 const figure::DrawingMlPainter &painter,
                                 const figure::Frame &frame)
{
    const std::string number = std::to_string(id);
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
    main_ += "\"/><wp:cNvGraphicFramePr/><a:graphic><a:graphicData uri=\"";
    main_ += figure::kGroupUri;
    main_ += "\">";
    painter.AppendGroup(main_, frame.width, frame.height);
    main_ += "</a:graphicData></a:graphic></wp:inline></w:drawing></w:r></w:p>\n";
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
    variant_.clear();
    main_.clear();
    nextShapeId_ = 1;
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
    output_->AddPart(std::string(docx::kMainRelationshipsName), docx::MainRelationships());
    output_->AddPart(std::string(docx::kStylesName), docx::Styles());
    output_->AddPart(std::string(docx::kSettingsName), docx::Settings());
    output_->AddPart(std::string(docx::kHeaderName), docx::Header());
}

} // namespace worksheet
