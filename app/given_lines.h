#pragma once

// The command line's way for a triangle given by any three of its elements:
//
//   bisectors --given a=5 b=7 gamma=60      the report of the one triple
//   bisectors --given < list.txt            a triple a line, blank lines and # comments
//                                           skipped, each line echoed before its report
//
//   bisectors --given --svg a=5 b=7 alpha=30  the figures of the one triple's triangles
//
// The report is the chapter's (calc/chapter_report.h), with its exact values for --exact
// and its worked solution for --steps (solution/chapter_work.h); --svg writes instead one
// SVG document with every triangle side by side (figure/chapter_figures.h).
// Exit status as for the three kinds: 0 when every triple gave a report (of one or more
// triangles, or of infinitely many), 1 when one had none (refused, or not decided), 2 when a
// line or the command line was no triple.

#include "line_io.h"

#include <span>
#include <string_view>

namespace app
{

struct GivenOptions {
    bool exact = false; // --exact
    bool steps = false; // --steps
    bool svg = false;   // --svg, of the triple on the command line
};

int RunGivens(std::span<const std::string_view> words, const GivenOptions &options,
              std::string_view decimalSeparator, int in, Output &out, Output &err);

} // namespace app
