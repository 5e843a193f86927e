#include "form_text_fields.h"

namespace window
{

std::string FormTextFields::InputText(int index) const
{
    return form_.Text("Text2", index).toStdString();
}

std::string FormTextFields::ResultText() const
{
    return form_.Text("Text1", 0).toStdString();
}

void FormTextFields::SetResultText(const std::string &text)
{
    form_.SetText("Text1", 0, QString::fromStdString(text));
}

} // namespace window
