#pragma once

#include "form_description.h"

#include <QByteArray>
#include <QSize>

namespace web
{

// A picture of the window, recorded as SVG by painting it with its own paint function
// into a QSvgGenerator: the same drawing as on the screen, at `size` logical pixels.
QByteArray SvgPicture(const platform::PaintFunction &paint, QSize size);

} // namespace web
