#pragma once

#include <QPainter>
#include <QRectF>

namespace window
{

// Paints the program's icon, a hamburger, into the largest square centred in `rect`.
// Vector drawing only, so any size comes out sharp (the window icon, a packaged PNG).
void PaintHamburger(QPainter &painter, const QRectF &rect);

} // namespace window
