#pragma once

#include <QPainter>
#include <QRectF>

namespace window
{

// Paints the altitude formula for the area,
//   1/S² = (1/ha + 1/hb + 1/hc) · (1/ha + 1/hb − 1/hc) · (1/ha − 1/hb + 1/hc) · (1/hb + 1/hc −
//   1/ha),
// with stacked fractions on an orange patterned background, scaled to fit `rect`: in one
// line, or in two (after the second factor) where that draws it larger.
void PaintFormula(QPainter &painter, const QRectF &rect);

} // namespace window
