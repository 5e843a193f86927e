#pragma once

// The page a teacher prints of a worksheet: its answer key (answer_key.h) or its students'
// sheet (student_sheet.h), whichever is asked for, so that the command line and the web
// page make either the same way.

#include "answer_key.h"
#include "document.h"
#include "student_sheet.h"
#include "worksheet.h"

#include <string>
#include <string_view>

namespace worksheet
{

class Printout final : public Document
{
public:
    // Which of the two pages: the answer key or the students' sheet.
    enum class Page { Key, Sheet };

    Printout(Topic topic, std::string_view decimalSeparator, Page page)
        : page_(page), key_(topic, decimalSeparator), sheet_(topic, decimalSeparator)
    {
    }

    // How the records of the page are to be solved: the key shows the exact values.
    calc::SolveOptions Options() const override { return Options(page_); }
    static calc::SolveOptions Options(Page page) { return {.exactValues = page == Page::Key}; }

    // The text of the style element of the page.
    static std::string Style(Page page)
    {
        return page == Page::Key ? AnswerKey::Style() : StudentSheet::Style();
    }

    // A refused triple is an answer like any other; a line that is no triple, a problem.
    Verdict Add(std::string &out, const Record &record) override
    {
        if (page_ == Page::Key)
            key_.Add(out, record);
        else
            sheet_.Add(out, record);
        return PageVerdict(record);
    }

    // The end of the page, which is short: one piece.
    Ending Finish(std::string &out) override
    {
        if (page_ == Page::Key)
            key_.Finish(out);
        else
            sheet_.Finish(out);
        return {};
    }

private:
    Page page_;
    AnswerKey key_;
    StudentSheet sheet_;
};

} // namespace worksheet
