// A step's note: its runs of words and the report's numbers, laid out as text.
#include "report.h"
#include "solution.h"

namespace solution
{

Note &Note::Add(std::string_view words)
{
    if (words.empty())
        return *this;
    if (!runs_.empty())
        if (auto *last = std::get_if<std::string>(&runs_.back())) {
            *last += words;
            return *this;
        }
    runs_.emplace_back(std::string(words));
    return *this;
}

Note &Note::Add(const calc::Number &reported)
{
    runs_.emplace_back(reported);
    return *this;
}

void Note::AppendText(std::string &out, std::string_view decimalSeparator) const
{
    for (const auto &run : runs_) {
        if (const auto *words = std::get_if<std::string>(&run))
            out += *words;
        else
            calc::AppendNumber(out, std::get<calc::Number>(run), decimalSeparator);
    }
}

std::string Note::Text(std::string_view decimalSeparator) const
{
    std::string text;
    AppendText(text, decimalSeparator);
    return text;
}

} // namespace solution
