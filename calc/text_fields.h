#pragma once

#include <string>

namespace calc
{

// The four texts a calculation works on, reached through three operations: the three
// input boxes (read only) and the result box (read and replace). The window supplies
// them from its controls; tests supply them from memory. All texts are UTF-8.
class TextFields
{
public:
    virtual ~TextFields() = default;
    virtual std::string InputText(int index) const = 0; // index 0, 1 or 2
    virtual std::string ResultText() const = 0;
    virtual void SetResultText(const std::string &text) = 0;
};

} // namespace calc
