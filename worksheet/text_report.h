#pragma once

// The command line's report of a worksheet: for each record its fields as typed, then the
// report the result box would show (calc::AppendReport), or the reason it has none; a
// blank line between records, every line ended by a line feed.

#include "worksheet.h"

#include <string>
#include <string_view>

namespace worksheet
{

class TextReport
{
public:
    // Numbers are written with `decimalSeparator`.
    explicit TextReport(std::string_view decimalSeparator = ".");

    // The text of one record, appended to `out`.
    void Add(std::string &out, const Record &record);

private:
    std::string separator_;
    bool first_ = true;
};

} // namespace worksheet
