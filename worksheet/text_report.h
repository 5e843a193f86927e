#pragma once

// The command line's report of a worksheet: for each record its fields as typed, then the
// report the result box would show (calc::AppendReport) and, when asked, the exact values
// (calc::AppendExactValues), or the reason it has none, and, when asked, the worked
// solution (solution::AppendText), which says why for a refusal too; a blank line between
// records, every line ended by a line feed. Three numbers given on their own get their
// report alone. A refused triple is a problem to report (status 1), told by its line.

#include "document.h"

#include <string>
#include <string_view>

namespace worksheet
{

class TextReport final : public Document
{
public:
    // Numbers are written with `decimalSeparator`; `exact`: the exact values follow each
    // report; `steps`: then the worked solution (the records are solved with their exact
    // values for either).
    explicit TextReport(std::string_view decimalSeparator = ".", bool exact = false,
                        bool steps = false);

    calc::SolveOptions Options() const override { return {.exactValues = exact_ || steps_}; }
    bool NumbersTasks() const override { return false; }
    Verdict Add(std::string &out, const Record &record) override;
    Ending Finish(std::string &out) override;

private:
    void AddReport(std::string &out, const calc::Solution &solution) const;
    void AddSteps(std::string &out, const calc::Solution &solution) const;

    std::string separator_;
    bool exact_;
    bool steps_;
    bool first_ = true;
    std::string variant_; // of the record before
};

} // namespace worksheet
