#pragma once

// The command line's way for a triangle given by any three of its elements:
//
//   bisectors --given a=5 b=7 gamma=60      the report of the one triple
//   bisectors --given < list.txt            a triple a line, blank lines and # comments
//                                           skipped, each line echoed before its report
//
// The report is the chapter's (calc/chapter_report.h), with its exact values for --exact.
// Exit status as for the three kinds: 0 when every triple gave a report (of one or more
// triangles, or of infinitely many), 1 when one had none (refused, or not decided), 2 when a
// line or the command line was no triple.

#include "line_io.h"

#include <span>
#include <string_view>

namespace app
{

int RunGivens(std::span<const std::string_view> words, bool exact,
              std::string_view decimalSeparator, int in, Output &out, Output &err);

} // namespace app
