#include "calculator.h"

namespace model
{

const char *const kTaskText =
    "Да се създаде проект реализиращ междупредметна връзка Геометрия и Информатика.\r\n"
    "Темата на проекта е изчисляване дължини на вътрешни ъглополовящи в триъгълник.\r\n"
    "Чрез радиобутони се избира една от следните възможности за въвеждане на:\r\n"
    "а) дължини на 3 височини;\r\n"
    "б) дължини на 3 страни;\r\n"
    "в) дължини на 3 медиани.\r\n"
    "При промяна избора за входните данни да се извеждат адекватни съобщения - описание на "
    "3-те височини, страни или медиани.\r\n"
    "Проектът да извежда лице на триъгълника и дължината на всяка от трите му вътрешни "
    "ъглополовящи.\r\n"
    "Проектът да съдържа текстови полета за въвеждане на избраните дължини, два командни "
    "бутона за начало на изчисляване и за изтриване на въведените входни данни и изведените "
    "дължини на ъглополовящи.\r\n";

// Said in place of the emptied result: the inputs and the result are gone, and the kind is
// the first option's again (the focus, in its first input, a screen reader names itself).
const char *const kClearedText = "Въведените данни и резултатът са изтрити. Видът е „Височини“.";

Calculator::Calculator(std::string_view decimalSeparator)
    : separator_(decimalSeparator), result_(kTaskText)
{
}

const std::string &Calculator::Input(int index) const
{
    return inputs_.at(static_cast<std::size_t>(index));
}

const char *Calculator::Label(int index) const
{
    return calc::Words(kind_).labels.at(static_cast<std::size_t>(index)).data();
}

void Calculator::Load()
{
    ResetInputs();
}

// Choosing the kind that is already chosen changes nothing: what was typed stays.
void Calculator::SelectKind(InputMode kind)
{
    if (kind == kind_)
        return;
    kind_ = kind;
    EmptyInputs();
}

void Calculator::SetInput(int index, std::string_view text)
{
    inputs_.at(static_cast<std::size_t>(index)) = text;
}

void Calculator::Calculate()
{
    // With the exact values, which the page shows under the figure.
    const calc::Solution solution = calc::Calculate(kind_, {inputs_[0], inputs_[1], inputs_[2]},
                                                    separator_, {.exactValues = true});
    result_.clear();
    calc::AppendReport(result_, solution, {.decimalSeparator = separator_, .lineEnd = "\r\n"});
    solution_ = solution;
    announcement_ = result_;
    ++announcements_;
}

void Calculator::Clear()
{
    ResetInputs();
    result_.clear();
    solution_.reset();
    announcement_ = kClearedText;
    ++announcements_;
}

// Back to altitudes with empty inputs and the focus in the first of them.
void Calculator::ResetInputs()
{
    kind_ = InputMode::Heights;
    EmptyInputs();
    ++focusRequests_;
}

void Calculator::EmptyInputs()
{
    for (std::string &input : inputs_)
        input.clear();
}

} // namespace model
