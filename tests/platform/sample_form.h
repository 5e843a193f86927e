#pragma once

#include "form_description.h"

// A small window with one control array of each kind, for the forms runtime's tests:
// Note(0) a label naming Line(0), Line(0..1) single-line boxes, Memo(0) a locked
// multi-line box, Notes(0) an editable one, Box(0) a frame holding Choice(0..2),
// Items(0) a hidden list, Button(0..1) push buttons (0 the default), Sketch(0) a picture.
platform::FormDescription SampleForm();
