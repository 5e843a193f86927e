#include "student_sheet.h"

namespace worksheet
{
namespace
{

// Room for the solution: ruled lines, drawn as borders so that they print whatever the
// browser's setting for backgrounds.
constexpr std::string_view kStyle = R"(.name { margin: 0 0 6pt; }
.room { flex: 0 0 100%; }
.room div { height: 8mm; border-bottom: 0.4pt solid #888; }
)";
constexpr std::string_view kName =
    "<p class=\"name\">Име: ________________________________ Клас: ________</p>\n";

} // namespace

StudentSheet::StudentSheet(Topic topic, std::string_view decimalSeparator)
    : page_(topic, decimalSeparator, topic.givens ? kGivensHeading : kHeading, kStyle,
            topic.givens ? kGivensTask : kTask, kName)
{
}

void StudentSheet::Add(std::string &out, const Record &record)
{
    page_.OpenBlock(out, record, record.Malformed() ? "task malformed" : "task");
    out += "</div>\n";
    if (!record.Malformed()) {
        out += "<div class=\"room\">";
        for (int line = 0; line < kRuledLines; ++line)
            out += "<div></div>";
        out += "</div>\n";
    }
    out += "</section>\n";
}

void StudentSheet::Finish(std::string &out)
{
    page_.Finish(out);
}

std::string StudentSheet::Style()
{
    return PrintedPage::Style(kStyle);
}

} // namespace worksheet
