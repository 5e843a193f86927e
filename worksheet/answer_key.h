#pragma once

// The printable answer key: one self-contained HTML page (Bulgarian, A4) with a block
// for each record of a worksheet: the lengths as read, the report as the program prints it,
// the exact values (of records solved with exact forms), the figure and the worked solution,
// its formulas in MathML. A refused triple has its refusal, why, and no figure; a worksheet
// line that is not a triple has a block that says so. The page
// has no script and loads nothing: the figures are inline SVG. The page is written as it is made, a
// block at a time, so a worksheet of any length makes a page in time linear in its length and in
// memory that does not grow with it.
//
// A key of givens of the triangle chapter has, for each task, the chapter's report of every
// triangle that fits with its exact values, a figure of each triangle drawn from its
// sides, and the worked solution: the school's route, or what the search proved.

#include "printed_page.h"
#include "worksheet.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace worksheet
{

class AnswerKey
{
public:
    static constexpr std::string_view kHeading = "Ключ с отговори — ъглополовящи в триъгълник";
    static constexpr std::string_view kGivensHeading =
        "Ключ с отговори — триъгълник по три елемента";
    // The figures of the key are smaller than a standalone one; the page sets their printed
    // width.
    static constexpr double kFigureWidth = 360;
    static constexpr double kFigureHeight = 270;

    // A key for triples of one kind, the lengths written with `decimalSeparator`.
    explicit AnswerKey(Topic topic, std::string_view decimalSeparator = ".");

    // The block of one record, appended to `out`; the page's head comes with the first
    // block, or with the end when there is none, so that nothing is written for a
    // worksheet that could not be read.
    void Add(std::string &out, const Record &record);

    // The number of blocks so far.
    std::size_t Blocks() const { return page_.Blocks(); }

    // The end of the page, appended to `out`; the key then starts afresh, empty.
    void Finish(std::string &out);

    // The text of the page's style element.
    static std::string Style();

private:
    void AddGivens(std::string &out, const Record &record);

    std::string separator_;
    PrintedPage page_;
    std::string scratch_; // a report before escaping, kept for its capacity
};

} // namespace worksheet
