// The behaviour model's entry for the web page, compiled to WebAssembly with the
// calculation core: a C function for each of model::Calculator's actions and for each
// part of its state. Texts cross as UTF-8 with a final NUL; a text returned stays valid
// until the model's next action.
#include "calculator.h"

#include <string>

using model::Calculator;

extern "C" {

Calculator *ModelCreate(const char *decimalSeparator)
{
    return new Calculator(decimalSeparator);
}

void ModelLoad(Calculator *model)
{
    model->Load();
}

void ModelSelectKind(Calculator *model, int kind)
{
    if (kind >= 0 && kind < 3)
        model->SelectKind(static_cast<model::InputMode>(kind));
}

void ModelSetInput(Calculator *model, int index, const char *text)
{
    if (index >= 0 && index < model::kInputCount)
        model->SetInput(index, text);
}

void ModelCalculate(Calculator *model)
{
    model->Calculate();
}

void ModelClear(Calculator *model)
{
    model->Clear();
}

int ModelKind(const Calculator *model)
{
    return static_cast<int>(model->Kind());
}

const char *ModelLabel(const Calculator *model, int index)
{
    return model->Label(index);
}

const char *ModelInput(const Calculator *model, int index)
{
    return model->Input(index).c_str();
}

const char *ModelResult(const Calculator *model)
{
    return model->Result().c_str();
}

unsigned ModelFocusRequests(const Calculator *model)
{
    return model->FocusRequests();
}

unsigned ModelAnnouncements(const Calculator *model)
{
    return model->Announcements();
}

} // extern "C"
