#include "formula_picture.h"

#include "kinds.h"
#include "quantity.h"

#include <QFont>
#include <QFontMetricsF>
#include <QString>

#include <algorithm>
#include <vector>

namespace window
{
namespace
{

// How a piece of the formula is drawn: a fraction "1 over its text", a sign or the dot
// between factors (at the second of which the formula may go on in a second line), or a
// bracket.
enum class Shape { Fraction, Sign, Dot, Bracket };

struct Piece {
    QString text;
    Shape shape;
};

std::vector<Piece> FormulaPieces()
{
    const QString minus = QStringLiteral("\u2212");
    const QString dot = QStringLiteral("\u00B7");
    std::vector<Piece> pieces = {{QStringLiteral("S\u00B2"), Shape::Fraction},
                                 {QStringLiteral("="), Shape::Sign}};
    bool first = true;
    for (const auto &factor : FormulaFactors()) {
        if (!first)
            pieces.push_back({dot, Shape::Dot});
        first = false;
        pieces.push_back({QStringLiteral("("), Shape::Bracket});
        for (std::size_t term = 0; term < factor.size(); ++term) {
            if (term > 0)
                pieces.push_back({factor[term].minus ? minus : QStringLiteral("+"), Shape::Sign});
            pieces.push_back({QString::fromStdString(factor[term].altitude), Shape::Fraction});
        }
        pieces.push_back({QStringLiteral(")"), Shape::Bracket});
    }
    return pieces;
}

} // namespace

std::array<std::array<FactorTerm, 3>, 4> FormulaFactors()
{
    const std::string_view letter = calc::Words(calc::InputMode::Heights).letter;
    std::array<std::array<FactorTerm, 3>, 4> factors;
    for (std::size_t f = 0; f < factors.size(); ++f) {
        const std::array<int, 3> &signs = calc::kFactorSigns.at(f);
        const auto start = static_cast<std::size_t>(
            std::find_if(signs.begin(), signs.end(), [](int sign) { return sign > 0; }) -
            signs.begin());
        for (std::size_t term = 0; term < 3; ++term) {
            const std::size_t i = (start + term) % 3;
            factors.at(f).at(term) = {std::string(letter) + calc::kSideLetters.at(i),
                                      signs.at(i) < 0};
        }
    }
    return factors;
}

void PaintFormula(QPainter &painter, const QRectF &rect)
{
    painter.save();
    painter.fillRect(rect, QColor(255, 200, 140));
    painter.fillRect(rect, QBrush(QColor(246, 176, 104), Qt::BDiagPattern));

    // Laid out at a fixed size on a 30-pixel-high line, then scaled to the rectangle.
    const double lineHeight = 30;
    QFont fractionFont(QStringLiteral("Times New Roman"));
    fractionFont.setPixelSize(13);
    QFont operatorFont = fractionFont;
    operatorFont.setPixelSize(15);
    QFont bracketFont = fractionFont;
    bracketFont.setPixelSize(24);
    const QFontMetricsF fractionMetrics(fractionFont);
    const QFontMetricsF operatorMetrics(operatorFont);
    const QFontMetricsF bracketMetrics(bracketFont);
    const double gap = 3;

    const std::vector<Piece> pieces = FormulaPieces();
    std::vector<double> widths;
    double total = 0;
    for (const Piece &piece : pieces) {
        double width = 0;
        if (piece.shape == Shape::Fraction)
            width = fractionMetrics.horizontalAdvance(piece.text) + 2;
        else if (piece.shape == Shape::Bracket)
            width = bracketMetrics.horizontalAdvance(piece.text);
        else
            width = operatorMetrics.horizontalAdvance(piece.text) + 2 * gap;
        widths.push_back(width);
        total += width;
    }

    // One line, or two where that draws it larger (a narrow, high rectangle, as on a
    // phone): "1/S² = (…) · (…) ·" over "(…) · (…)", each centred.
    std::size_t secondDot = 0;
    for (std::size_t i = 0, dots = 0; i < pieces.size() && dots < 2; ++i)
        if (pieces[i].shape == Shape::Dot && ++dots == 2)
            secondDot = i;
    const auto width = [&](std::size_t from, std::size_t to) {
        double sum = 0;
        for (std::size_t i = from; i < to; ++i)
            sum += widths[i];
        return sum;
    };
    const double firstRow = width(0, secondDot + 1);
    const double rowWidth = std::max(firstRow, total - firstRow);
    const double oneLine = std::min(rect.width() / (total + 8), rect.height() / lineHeight);
    const double twoLines =
        std::min(rect.width() / (rowWidth + 8), rect.height() / (2 * lineHeight));
    const bool twoRows = twoLines > oneLine;
    const std::size_t breaks[] = {twoRows ? secondDot + 1 : pieces.size(), pieces.size()};
    const double scale = twoRows ? twoLines : oneLine;
    painter.translate(rect.center());
    painter.scale(scale, scale);
    painter.translate(0, -(twoRows ? lineHeight : lineHeight / 2));
    painter.setPen(Qt::black);

    std::size_t i = 0;
    for (std::size_t row = 0; i < pieces.size(); ++row) {
        const double axis = lineHeight * static_cast<double>(row) + lineHeight / 2; // fraction bars
        const double top = axis - lineHeight / 2;
        double x = -width(i, breaks[row]) / 2;
        for (; i < breaks[row]; ++i) {
            const Piece &piece = pieces[i];
            const double pieceWidth = widths[i];
            if (piece.shape == Shape::Fraction) {
                painter.setFont(fractionFont);
                const double height = fractionMetrics.height();
                painter.drawText(QRectF(x, axis - height, pieceWidth, height),
                                 Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("1"));
                painter.drawText(QRectF(x, axis, pieceWidth, height),
                                 Qt::AlignHCenter | Qt::AlignTop, piece.text);
                painter.drawLine(QLineF(x + 1, axis, x + pieceWidth - 1, axis));
            } else {
                painter.setFont(piece.shape == Shape::Bracket ? bracketFont : operatorFont);
                painter.drawText(QRectF(x, top, pieceWidth, lineHeight), Qt::AlignCenter,
                                 piece.text);
            }
            x += pieceWidth;
        }
    }
    painter.restore();
}

} // namespace window
