#pragma once

#include "form_description.h"

namespace window
{

// The main window as the forms runtime builds it: every control with its place, colour,
// tab index and text, before any event has run.
platform::FormDescription MainFormDescription();

// The control arrays of the description, by what they are for.
inline constexpr const char *kKindButtons = "Option1"; // index: the InputMode it selects
inline constexpr const char *kLabels = "Label2";       // the inputs' labels
inline constexpr const char *kInputs = "Text2";        // the three lengths
inline constexpr const char *kButtons = "Command1";    // "Изчисли" and "Изчисти"
inline constexpr int kCalculateButton = 0;
inline constexpr const char *kResult = "Text1"; // index 0; index 1 is a hidden quotation

} // namespace window
