#pragma once

#include "quantity.h"
#include "triangle.h"

#include <string>
#include <string_view>
#include <vector>

namespace calc
{

// The report's fixed texts (UTF-8).
inline constexpr std::string_view kRejected = "Некоректни данни!";
inline constexpr std::string_view kOutOfRange = "Числата са извън допустимия обхват!";
// The report (and RefusalText) of a length too long to take: kMaxDigits, kMaxExponentDigits
// (numbers.h).
inline constexpr std::string_view kTooLong =
    "Твърде дълго число: до 200 значещи цифри и до 9 цифри в степенния показател!";
inline constexpr std::string_view kSidesHeading = "Изчислени дължини на страни:";
inline constexpr std::string_view kSideLabels[3] = {"BC = ", "AC = ", "AB = "};
inline constexpr std::string_view kArea = "Лице на триъгълника S = ";
inline constexpr std::string_view kBisectorsHeading = "Изчислени дължини на ъглополовящи:";
inline constexpr std::string_view kBisectorLabels[3] = {"Yg_a = ", "Yg_b = ", "Yg_c = "};
inline constexpr std::string_view kExactHeading = "Точни стойности:";
inline constexpr std::string_view kExactAreaLabel = "S = ";

// How a report is written: the decimal separator of its numbers (the user's locale's) and
// the end of each line (CR LF in the window's result box, LF on a terminal).
struct ReportStyle {
    std::string_view decimalSeparator = ".";
    std::string_view lineEnd = "\r\n";
};

// The report of a solution, appended to `out`. A solved triangle gives the side block
// (heading and BC, AC, AB; left out when the sides were given), the area line and the
// bisector block, each line ended by the style's line end. A refusal is kRejected alone,
// a triangle out of range kOutOfRange alone, a length too long kTooLong alone, all without
// a line end.
void AppendReport(std::string &out, const Solution &solution, const ReportStyle &style = {});

// A value of the report as the report prints it: its own digits where it has them, else
// those of its double.
void AppendNumber(std::string &out, const Number &number, std::string_view decimalSeparator = ".");

// The exact values of a solution made with SolveOptions::exactValues, appended to `out`:
// kExactHeading, then a line for each value of the report that has an exact form, with
// the report's label and its decimal, rounded once from the exact value ("BC = 2√73/3 ≈
// 5.69600249687835", "S = 8", "AB = 1/10 = 0.1"), each ended by the style's line end.
// Where the report printed a value's formula digits rather than its exact value rounded
// (within 1e-10 of it), a last line says so and gives the report's digits (ReportDigitsNote),
// for every such value, whether it has an exact form or not (ReportedLines). Nothing where
// no value has a form and none keeps its formula's digits.
void AppendExactValues(std::string &out, const Solution &solution, const ReportStyle &style = {});
namespace exact
{
struct Exact;
}
// A value the exact block lists: which value it is, the report's label, the report's number
// and the exact value.
struct ExactLine {
    Named value;
    std::string_view label;
    const Number *reported;
    const exact::Exact *exact;
};

// The values the exact block lists: those of the report that have an exact form (the sides
// only where they were not given), in the report's order; none for a triple not solved or
// solved without exact values.
std::vector<ExactLine> ExactLines(const Solution &solution);

// Every value the report prints with its exact value, whether that has a form or only its
// digits: what the exact block's last line looks through (ReportDigitsNote), in the same
// order.
std::vector<ExactLine> ReportedLines(const Solution &solution);

// The report's digits of a value where they are not its exact value rounded (they are then
// its formula's, within 1e-10 of it): "0.0999999999999901" for 1/10; empty where they are.
std::string DifferingDigits(const Number &reported, const exact::Exact &exact,
                            std::string_view decimalSeparator = ".");

// The line that ends the exact values `lines` (ReportedLines) where the report's digits of
// one of them differ: kReportDigits, then the label and the report's digits of each
// ("Yg_a = 0.0999999999999901", a comma between two); empty where none does.
inline constexpr std::string_view kReportDigits =
    "Отчетът дава цифрите на формулите си, до 10⁻¹⁰ от точната стойност: ";
std::string ReportDigitsNote(const std::vector<ExactLine> &lines,
                             std::string_view decimalSeparator = ".");

// One exact value with a form: "4√10/3 ≈ 4.21637021355784", "1/10 = 0.1".
void AppendExactValue(std::string &out, const exact::Exact &value, std::string_view separator);

// What the report of a triple without a triangle says: kRejected or kOutOfRange (empty for
// a solved one).
std::string_view RefusalText(Outcome outcome);

// The same as a new string.
std::string ReportText(const Solution &solution, const ReportStyle &style = {});

} // namespace calc
