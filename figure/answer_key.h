#pragma once

// The printable answer key: one self-contained HTML page (Bulgarian, A4) with a block
// for each triple of a worksheet: the data as typed, the report as the program prints it,
// and the figure. A refused triple has its refusal and no figure; a worksheet line that
// is not a triple has a block that says so. The page has no script and loads nothing: the
// figures are inline SVG. Each triple costs time and space of its own only, so a worksheet
// of thousands of lines makes a page in time linear in its length.

#include "figure.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace figure
{

class AnswerKey
{
public:
    // A key for triples of one kind, the lengths written with `decimalSeparator` (which
    // also reads as one, besides ".", in the inputs).
    explicit AnswerKey(calc::InputMode mode, std::string_view decimalSeparator = ".");

    // One triple as typed into the three boxes.
    calc::Outcome Add(const std::array<std::string_view, 3> &inputs);

    // One line of a worksheet, read as calc::WorksheetLine reads it: blank lines and
    // comments are skipped, a line of other than three fields is a block that says so.
    enum class Line { Skipped, Solved, Rejected, OutOfRange, Malformed };
    Line AddLine(std::string_view line);

    // The number of blocks so far.
    std::size_t Blocks() const { return blocks_; }

    // The whole page; the key then starts afresh, empty.
    std::string Finish();

private:
    void OpenBlock(std::string_view kind);

    calc::InputMode mode_;
    std::string separator_;
    std::string html_;
    std::string scratch_; // a report before escaping, kept for its capacity
    std::size_t blocks_ = 0;
};

} // namespace figure
