#pragma once

#include "form.h"
#include "text_fields.h"

namespace window
{

// The calculation's four texts, taken from the main window: the input boxes Text2(0)
// to Text2(2) and the result box Text1(0).
class FormTextFields : public calc::TextFields
{
public:
    explicit FormTextFields(platform::Form &form) : form_(form) {}

    std::string InputText(int index) const override;
    std::string ResultText() const override;
    void SetResultText(const std::string &text) override;

private:
    platform::Form &form_;
};

} // namespace window
