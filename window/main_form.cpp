#include "main_form.h"

#include "calculate.h"
#include "main_form_description.h"

#include <array>
#include <string>

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
    mode_ = static_cast<calc::InputMode>(index);
    for (int k = 0; k < kInputs; ++k) {
        form_.SetText("Text2", k, QString());
        form_.SetCaption("Label2", k, form_.ListItem("List1", index, k));
    }
}

void MainForm::Command1_Click(int index)
{
    switch (index) {
    case 0: {
        const std::string separator = locale_.decimalPoint().toStdString();
        std::array<std::string, kInputs> texts;
        for (int k = 0; k < kInputs; ++k)
            texts[static_cast<std::size_t>(k)] = form_.Text("Text2", k).toStdString();
        const calc::Solution solution =
            calc::Calculate(mode_, {texts[0], texts[1], texts[2]}, separator);
        form_.SetText("Text1", 0,
                      QString::fromStdString(calc::ReportText(solution, {separator, "\r\n"})));
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
