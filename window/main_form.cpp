#include "main_form.h"

#include "calculate.h"
#include "form_text_fields.h"
#include "main_form_description.h"

namespace window
{
namespace
{

constexpr int kInputs = 3;

} // namespace

MainForm::MainForm(const QLocale &locale) : form_(MainFormDescription()), locale_(locale)
{
    form_.OnLoad([this] { Form_Load(); });
    form_.OnClick("Option1", [this](int index) { Option1_Click(index); });
    form_.OnClick("Command1", [this](int index) { Command1_Click(index); });
}

void MainForm::Show()
{
    form_.Show();
}

void MainForm::Form_Load()
{
    ResetInputs();
}

// The labels of the chosen kind replace the old ones, and the inputs are emptied; the
// result box keeps its text. The form delivers no click for the option already selected.
void MainForm::Option1_Click(int index)
{
    state_.mode = static_cast<calc::InputMode>(index);
    for (int k = 0; k < kInputs; ++k) {
        form_.SetText("Text2", k, QString());
        form_.SetCaption("Label2", k, form_.ListItem("List1", index, k));
    }
}

void MainForm::Command1_Click(int index)
{
    switch (index) {
    case 0: {
        FormTextFields texts(form_);
        calc::Calculate(state_, texts, locale_.decimalPoint().toStdString());
        break;
    }
    case 1:
        ResetInputs();
        form_.SetText("Text1", 0, QString());
        break;
    default:
        break;
    }
}

// Back to altitudes with empty inputs: selecting "Височини" runs its mode change once more.
void MainForm::ResetInputs()
{
    for (int k = 0; k < kInputs; ++k) {
        form_.SetOptionValue("Option1", k, false);
        form_.SetText("Text2", k, QString());
        form_.SetCaption("Label2", k, form_.ListItem("List1", 0, k));
    }
    form_.SetOptionValue("Option1", 0, true);
    form_.SetFocusTo("Text2", 0);
}

} // namespace window
