#pragma once

// The student's sheet of a worksheet: the tasks without their answers, numbered as in the
// answer key (answer_key.h), each with the lengths given and room to write the solution,
// for A4. Every task looks alike, whether it has a triangle or not: that is the student's
// to find.

#include "printed_page.h"
#include "worksheet.h"

#include <string>
#include <string_view>

namespace worksheet
{

class StudentSheet
{
public:
    static constexpr std::string_view kHeading = "Задачи — ъглополовящи в триъгълник";
    static constexpr std::string_view kGivensHeading = "Задачи — триъгълник по три елемента";
    // What is to be done, after what is given.
    static constexpr std::string_view kTask =
        "Намерете страните, лицето и дължините на трите вътрешни ъглополовящи на триъгълника "
        "или обяснете защо такъв триъгълник няма.";
    static constexpr std::string_view kGivensTask =
        "Намерете всички триъгълници с тези елементи, останалите им елементи и вида им "
        "или обяснете защо такъв триъгълник няма.";
    // Room for the solution, a ruled line at a time.
    static constexpr int kRuledLines = 6;

    // A sheet of triples of one kind, the lengths written with `decimalSeparator`.
    explicit StudentSheet(Topic topic, std::string_view decimalSeparator = ".");

    // The task of one record, appended to `out` (the page's head with the first).
    void Add(std::string &out, const Record &record);

    // The end of the page, appended to `out`; the sheet then starts afresh, empty.
    void Finish(std::string &out);

    // The text of the page's style element.
    static std::string Style();

private:
    PrintedPage page_;
};

} // namespace worksheet
