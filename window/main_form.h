#pragma once

#include "calculator.h"
#include "form.h"

#include <QLocale>

namespace window
{

// The program's one window: its controls, built from MainFormDescription, bound to the
// behaviour model for the whole run. What the user does goes to the model; what the
// model then holds is what the controls show.
class MainForm
{
public:
    // `locale` gives the decimal separator of the numbers read and printed.
    explicit MainForm(const QLocale &locale = QLocale::system());

    // Delivers the load event and shows the window.
    void Show();

    platform::Form &Window() { return form_; }
    const model::Calculator &Model() const { return model_; }

private:
    // Makes every control show the model's state; asks nothing of the model in return.
    void ShowState();

    platform::Form form_;
    model::Calculator model_;
    unsigned focusRequests_ = 0; // as far as they have been carried out
    unsigned announcements_ = 0;
    bool showing_ = false; // ShowState at work: the selections it makes are no user's
};

} // namespace window
