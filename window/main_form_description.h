#pragma once

#include "form_description.h"

namespace window
{

// The main window as the forms runtime builds it: every control with its place, colour,
// tab index and text, before any event has run.
platform::FormDescription MainFormDescription();

} // namespace window
