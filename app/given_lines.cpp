#include "given_lines.h"

#include "chapter_figures.h"
#include "chapter_report.h"
#include "chapter_work.h"
#include "fields.h"
#include "givens.h"
#include "utf8.h"

#include <algorithm>
#include <string>

namespace app
{
namespace
{

class GivenReport
{
public:
    GivenReport(const GivenOptions &options, std::string_view decimalSeparator)
        : options_(options), style_{.decimalSeparator = decimalSeparator, .lineEnd = "\n"}
    {
    }

    // The report of a line's givens appended to `out`: 0, or 1 for none, 2 for no triple;
    // `problem` what is to be said of it.
    int Add(std::string &out, std::string_view line, std::string &problem) const
    {
        const calc::GivenLine givens = calc::ReadGivens(line, style_.decimalSeparator);
        if (givens.problem != calc::GivenProblem::None) {
            problem = calc::GivenProblemText(givens);
            return 2;
        }
        // The worked solution writes the exact forms where there are any.
        const calc::chapter::Solution solution =
            calc::chapter::Solve(givens.givens, {.exactValues = options_.exact || options_.steps});
        if (options_.svg)
            return Figures(out, solution, problem);
        calc::chapter::AppendReport(out, solution, style_, options_.exact);
        if (options_.steps) {
            out += solution::kHeading;
            out += '\n';
            solution::AppendText(out, solution::WorkChapter(solution), style_.decimalSeparator);
        }
        if (solution.count != calc::chapter::Count::None)
            return 0;
        problem = calc::chapter::Headline(solution);
        if (const std::string why = calc::chapter::Explanation(solution); !why.empty())
            problem += " " + why;
        return 1;
    }

private:
    // The figures instead of the report: 0, or 1 where there is none to draw.
    int Figures(std::string &out, const calc::chapter::Solution &solution,
                std::string &problem) const
    {
        const std::string svg =
            figure::ChapterSvg(solution, {.decimalSeparator = style_.decimalSeparator});
        if (svg.empty()) {
            problem = figure::ChapterNoFigureReason(solution);
            return 1;
        }
        out += svg;
        return 0;
    }

    GivenOptions options_;
    calc::ReportStyle style_;
};

// The words of the command line, one triple: its report, or on standard error why there is
// none.
int One(std::span<const std::string_view> words, const GivenReport &report, Output &out,
        Output &err)
{
    std::string line;
    for (const std::string_view word : words) {
        line += line.empty() ? "" : " ";
        line += word;
    }
    std::string text, problem;
    const int status = report.Add(text, line, problem);
    if (status == 2 || (status == 1 && text.empty())) { // no triple, or no figure
        err.Write("bisectors: " + problem + "\n");
        return status;
    }
    (status == 0 ? out : err).Write(text);
    return status;
}

} // namespace

int RunGivens(std::span<const std::string_view> words, const GivenOptions &options,
              std::string_view decimalSeparator, int in, Output &out, Output &err)
{
    const GivenReport report(options, decimalSeparator);
    if (!words.empty())
        return One(words, report, out, err);
    LineReader lines(in, &out);
    int status = 0;
    long number = 0;
    bool first = true;
    std::string utf8, problem;
    for (std::string_view line; lines.Next(line);) {
        ++number;
        const worksheet::Fields fields(line);
        if (fields.Skipped())
            continue;
        std::string &pending = out.Pending();
        if (!first)
            pending += '\n';
        first = false;
        pending += calc::ValidUtf8(fields.Text(), utf8);
        pending += '\n';
        const int verdict = report.Add(pending, fields.Text(), problem);
        if (verdict == 2) {
            pending += problem;
            pending += '\n';
        }
        out.Spill();
        if (verdict != 0) {
            err.Write("bisectors: ред " + std::to_string(number) + ": " + problem + "\n");
            err.Flush();
            status = std::max(status, verdict);
        }
    }
    if (lines.Failed()) {
        err.Write("bisectors: входът не може да бъде прочетен\n");
        return 2;
    }
    return status;
}

} // namespace app
