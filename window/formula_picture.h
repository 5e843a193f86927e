#pragma once

#include <QPainter>
#include <QRectF>

#include <array>
#include <string>

namespace window
{

// A term of a factor of the formula below: the reciprocal of an altitude ("ha", "hb", "hc")
// and whether it is taken away.
struct FactorTerm {
    std::string altitude;
    bool minus = false;
};

// The four factors of 1/S² = P1·P2·P3·P4 as the window writes them, with the core's signs
// (calc::kFactorSigns): each from its first added term on, so that the last reads
// 1/hb + 1/hc − 1/ha.
std::array<std::array<FactorTerm, 3>, 4> FormulaFactors();

// Paints the altitude formula for the area,
//   1/S² = (1/ha + 1/hb + 1/hc) · (1/ha + 1/hb − 1/hc) · (1/ha − 1/hb + 1/hc) · (1/hb + 1/hc −
//   1/ha),
// with stacked fractions on an orange patterned background, scaled to fit `rect`: in one
// line, or in two (after the second factor) where that draws it larger.
void PaintFormula(QPainter &painter, const QRectF &rect);

} // namespace window
