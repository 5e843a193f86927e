// The calculation core's entry for the web page: one call per "Изчисли", with the input
// kind, the three input texts and the decimal separator, all UTF-8 and NUL-terminated;
// it returns the text the window's result box would show, valid until the next call. The
// kind is all of the state a report needs.
#include "calculate.h"

#include <string>

extern "C" const char *BisectorsReport(int kind, const char *input0, const char *input1,
                                       const char *input2, const char *decimalSeparator)
{
    static std::string text;
    text = calc::ReportText(calc::Calculate(static_cast<calc::InputMode>(kind),
                                            {input0, input1, input2}, decimalSeparator),
                            {.decimalSeparator = decimalSeparator});
    return text.c_str();
}
