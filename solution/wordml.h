#pragma once

// WordprocessingML's paragraphs and runs of text: what the solution's Office Math
// paragraphs (omml.cpp) and the documents around them (the worksheet's DOCX) are made of.

#include <string>
#include <string_view>

namespace solution::wordml
{

// Opens a paragraph of the style, kept on the page of the next where `keepNext`; the
// caller closes it ("</w:p>").
void OpenParagraph(std::string &out, std::string_view style, bool keepNext = false);

// Text in a run, its tabs as tabs.
void AppendRun(std::string &out, std::string_view text);

// A paragraph of the style holding `text` (none where it is empty), with a line feed after.
void AppendParagraph(std::string &out, std::string_view style, std::string_view text,
                     bool keepNext = false);

} // namespace solution::wordml
