#pragma once

// The command line's report of a worksheet: for each record its fields as typed, then the
// report the result box would show (calc::AppendReport) and, when asked, the exact values
// (calc::AppendExactValues), or the reason it has none, and, when asked, the worked
// solution (solution::AppendText), which says why for a refusal too; a blank line between
// records, every line ended by a line feed.

#include "worksheet.h"

#include <string>
#include <string_view>

namespace worksheet
{

class TextReport
{
public:
    // Numbers are written with `decimalSeparator`; `exact`: the exact values follow each
    // report; `steps`: then the worked solution (the records made with exact forms for
    // either).
    explicit TextReport(std::string_view decimalSeparator = ".", bool exact = false,
                        bool steps = false);

    // The text of one record, appended to `out`.
    void Add(std::string &out, const Record &record);

    // The report of one solved triple alone, as for three numbers given on their own,
    // with what was asked for after it.
    void AddReport(std::string &out, const calc::Solution &solution) const;

    // The worked solution alone, when asked for.
    void AddSteps(std::string &out, const calc::Solution &solution) const;

private:
    std::string separator_;
    bool exact_;
    bool steps_;
    bool first_ = true;
};

} // namespace worksheet
