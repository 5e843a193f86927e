#include "wordml.h"

#include "markup.h"

namespace solution::wordml
{

void OpenParagraph(std::string &out, std::string_view style, bool keepNext)
{
    out += "<w:p><w:pPr><w:pStyle w:val=\"";
    out += style;
    out += keepNext ? "\"/><w:keepNext/></w:pPr>" : "\"/></w:pPr>";
}

void AppendRun(std::string &out, std::string_view text)
{
    out += "<w:r><w:t xml:space=\"preserve\">";
    for (std::size_t tab = text.find('\t'); tab != std::string_view::npos; tab = text.find('\t')) {
        figure::AppendEscaped(out, text.substr(0, tab));
        out += "</w:t><w:tab/><w:t xml:space=\"preserve\">";
        text.remove_prefix(tab + 1);
    }
    figure::AppendEscaped(out, text);
    out += "</w:t></w:r>";
}

void AppendParagraph(std::string &out, std::string_view style, std::string_view text, bool keepNext)
{
    OpenParagraph(out, style, keepNext);
    if (!text.empty())
        AppendRun(out, text);
    out += "</w:p>\n";
}

} // namespace solution::wordml
