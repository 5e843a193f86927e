#include "text_report.h"

namespace worksheet
{

TextReport::TextReport(std::string_view decimalSeparator) : separator_(decimalSeparator) {}

void TextReport::Add(std::string &out, const Record &record)
{
    if (!first_)
        out += '\n';
    first_ = false;
    out += record.fields;
    out += '\n';
    if (record.Solved()) {
        calc::AppendReport(out, *record.solution,
                           {.decimalSeparator = separator_, .lineEnd = "\n"});
        return;
    }
    out += Problem(record);
    out += '\n';
}

} // namespace worksheet
