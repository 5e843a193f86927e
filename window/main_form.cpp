#include "main_form.h"

#include "main_form_description.h"

namespace window
{

MainForm::MainForm(const QLocale &locale)
    : form_(MainFormDescription()), model_(locale.decimalPoint().toStdString())
{
    form_.OnLoad([this] {
        model_.Load();
        ShowState();
    });
    form_.OnClick(kKindButtons, [this](int index) {
        if (showing_)
            return;
        model_.SelectKind(static_cast<model::InputMode>(index));
        ShowState();
    });
    form_.OnTextChanged(kInputs, [this](int index, const QString &text) {
        model_.SetInput(index, text.toStdString());
    });
    form_.OnClick(kButtons, [this](int index) {
        if (index == kCalculateButton)
            model_.Calculate();
        else
            model_.Clear();
        ShowState();
    });
}

void MainForm::Show()
{
    form_.Show();
}

void MainForm::ShowState()
{
    showing_ = true;
    form_.SetOptionValue(kKindButtons, static_cast<int>(model_.Kind()), true);
    for (int k = 0; k < model::kInputCount; ++k) {
        form_.SetCaption(kLabels, k, QString::fromUtf8(model_.Label(k)));
        form_.SetText(kInputs, k, QString::fromStdString(model_.Input(k)));
    }
    form_.SetText(kResult, 0, QString::fromStdString(model_.Result()));
    showing_ = false;

    if (focusRequests_ != model_.FocusRequests()) {
        focusRequests_ = model_.FocusRequests();
        form_.SetFocusTo(kInputs, 0);
    }
    // Each report or refusal is read out once, and shown with its end in view: the
    // bisectors, which the box of six lines would otherwise hide under the sides and the
    // area. So is what "Изчисти" did, in place of the report, of which screen readers then
    // find nothing left.
    if (announcements_ != model_.Announcements()) {
        announcements_ = model_.Announcements();
        form_.ShowEnd(kResult, 0);
        form_.Announce(QString::fromStdString(model_.Announcement()));
    }
}

} // namespace window
