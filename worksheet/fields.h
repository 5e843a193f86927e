#pragma once

#include "utf8.h"

#include <cstddef>
#include <string_view>

namespace worksheet
{

// A comment line that starts a variant of a list of exercises, "# Вариант Б": the tasks
// after it are numbered from 1 again, under that name. The variants are named by the
// letters of the Bulgarian alphabet, in order.
inline constexpr std::string_view kVariantMark = "# Вариант ";
inline constexpr std::string_view kVariantLetters[] = {"А", "Б", "В", "Г"};
// Its name on a printed page: "Вариант Б".
inline constexpr std::string_view kVariantTitle = kVariantMark.substr(2);

// The fields of one line of a worksheet, as Reader reads them: the texts between spaces,
// tabs and Unicode's other spaces (a no-break space pasted from a word processor; the
// same spaces the core passes over in a number, calc::SpaceLength), a final CR ignored (a
// file saved on Windows). A line with no field, or whose first field starts with "#", is
// no task and is skipped.
class Fields
{
public:
    explicit Fields(std::string_view line) : line_(line)
    {
        if (line_.ends_with('\r'))
            line_.remove_suffix(1);
        SkipBlanks();
    }

    // The line without its final CR.
    std::string_view Text() const { return line_; }

    // A blank line or a comment.
    bool Skipped() const { return pos_ == line_.size() || line_[pos_] == '#'; }

    // The next field; false after the last.
    bool Next(std::string_view &field)
    {
        if (pos_ == line_.size())
            return false;
        const std::size_t start = pos_;
        while (pos_ < line_.size() && calc::SpaceLength(line_.substr(pos_)) == 0)
            ++pos_;
        field = line_.substr(start, pos_ - start);
        SkipBlanks();
        return true;
    }

private:
    void SkipBlanks()
    {
        for (std::size_t space = 0;
             pos_ < line_.size() && (space = calc::SpaceLength(line_.substr(pos_))) > 0;)
            pos_ += space;
    }

    std::string_view line_;
    std::size_t pos_ = 0;
};

} // namespace worksheet
