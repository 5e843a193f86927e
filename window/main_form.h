#pragma once

#include "form.h"
#include "triangle.h"

#include <QLocale>

namespace window
{

// The program's one window: its controls, built from MainFormDescription, and the one
// triangle state, both for the whole run. The handlers below are all it does.
class MainForm
{
public:
    // `locale` gives the decimal separator of the report's numbers.
    explicit MainForm(const QLocale &locale = QLocale::system());

    // Delivers the load event and shows the window.
    void Show();

    platform::Form &Window() { return form_; }
    calc::InputMode Mode() const { return mode_; }

private:
    void Form_Load();
    void Option1_Click(int index);  // an input kind was chosen
    void Command1_Click(int index); // 0 "Изчисли", 1 "Изчисти"
    void ResetInputs();

    platform::Form form_;
    calc::InputMode mode_ = calc::InputMode::Heights;
    QLocale locale_;
};

} // namespace window
