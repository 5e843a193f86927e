#pragma once

// What the printable pages of a worksheet share, the answer key and the student's sheet:
// one self-contained HTML page in Bulgarian for A4, no script, nothing loaded from
// elsewhere, with a numbered block for each record, each whole on its page, and the
// lengths of each triple as the core read them. Both pages number a worksheet's records
// alike, so that a student's task N is the key's task N.

#include "worksheet.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace worksheet
{

// What every printed page of a worksheet says, in whichever format it is written.
inline constexpr std::string_view kTaskTitle = "Задача "; // before the block's number
inline constexpr std::string_view kLineLabel = "Ред:";    // before a line that is no triple
inline constexpr std::string_view kNoTasks = "Няма задачи.";
// What is given on a page of the triangle chapter's tasks, and its headings' subject.
inline constexpr std::string_view kGivensGiven = "Дадени са три елемента на триъгълника.";
inline constexpr std::string_view kGivensSubject = "триъгълник по три елемента";

// Why a line of `count` fields is no task: "Редът трябва да съдържа три числа, а съдържа 2."
std::string CountText(std::size_t count);

class PrintedPage
{
public:
    // A page of the given heading for triples of one kind; `style` is the page's own CSS,
    // after the rules the pages share; `introduction` says what is to be done, after the
    // statement of what is given; `preface`, HTML, comes before the first block.
    PrintedPage(Topic topic, std::string_view decimalSeparator, std::string_view heading,
                std::string_view style, std::string_view introduction = {},
                std::string_view preface = {});

    // Opens the block of the next record, of the given classes, with its number and data:
    // the three lengths (or givens, by their names: "α", "60°") as read, or the line of a
    // record that is no triple and why. The
    // page's head comes with the first block, so that nothing is written for a worksheet
    // that could not be read. `head`: the number and the data open an element of their own
    // (class "head"), which the caller closes after what it keeps with them on a page.
    void OpenBlock(std::string &out, const Record &record, std::string_view classes,
                   bool head = false);

    // The number of blocks so far.
    std::size_t Blocks() const { return blocks_; }

    // The end of the page, appended to `out`; the page then starts afresh, empty.
    void Finish(std::string &out);

    // The text of the page's style element, for a page of the given own style: the web
    // page that shows the printouts allows exactly these styles.
    static std::string Style(std::string_view style);

private:
    void AppendHead(std::string &out) const;

    void AppendGivens(std::string &out, const calc::chapter::Solution &solution) const;

    Topic topic_;
    std::string separator_;
    std::string_view heading_;
    std::string_view style_;
    std::string_view introduction_;
    std::string_view preface_;
    std::size_t blocks_ = 0;
    std::string variant_; // of the block before
};

} // namespace worksheet
