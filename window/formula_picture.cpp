#include "formula_picture.h"

#include <QFont>
#include <QFontMetricsF>
#include <QString>

#include <algorithm>
#include <vector>

namespace window
{
namespace
{

// One piece of the formula: a fraction "1 over denominator", or an operator or bracket.
struct Piece {
    QString text;
    bool fraction;
};

std::vector<Piece> FormulaPieces()
{
    const QString minus = QStringLiteral("\u2212");
    const QString dot = QStringLiteral("\u00B7");
    std::vector<Piece> pieces = {{QStringLiteral("S\u00B2"), true}, {QStringLiteral("="), false}};
    // Signs of the three reciprocals in each factor; the last factor starts from 1/hb.
    const QString names[4][3] = {
        {"ha", "hb", "hc"}, {"ha", "hb", "hc"}, {"ha", "hb", "hc"}, {"hb", "hc", "ha"}};
    const QString signs[4][2] = {{"+", "+"}, {"+", minus}, {minus, "+"}, {"+", minus}};
    for (int factor = 0; factor < 4; ++factor) {
        if (factor > 0)
            pieces.push_back({dot, false});
        pieces.push_back({QStringLiteral("("), false});
        for (int term = 0; term < 3; ++term) {
            if (term > 0)
                pieces.push_back({signs[factor][term - 1], false});
            pieces.push_back({names[factor][term], true});
        }
        pieces.push_back({QStringLiteral(")"), false});
    }
    return pieces;
}

bool IsBracket(const Piece &piece)
{
    return piece.text == QLatin1String("(") || piece.text == QLatin1String(")");
}

} // namespace

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
        if (piece.fraction)
            width = fractionMetrics.horizontalAdvance(piece.text) + 2;
        else if (IsBracket(piece))
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
        if (pieces[i].text == QStringLiteral("\u00B7") && ++dots == 2)
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
            if (piece.fraction) {
                painter.setFont(fractionFont);
                const double height = fractionMetrics.height();
                painter.drawText(QRectF(x, axis - height, pieceWidth, height),
                                 Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("1"));
                painter.drawText(QRectF(x, axis, pieceWidth, height),
                                 Qt::AlignHCenter | Qt::AlignTop, piece.text);
                painter.drawLine(QLineF(x + 1, axis, x + pieceWidth - 1, axis));
            } else {
                painter.setFont(IsBracket(piece) ? bracketFont : operatorFont);
                painter.drawText(QRectF(x, top, pieceWidth, lineHeight), Qt::AlignCenter,
                                 piece.text);
            }
            x += pieceWidth;
        }
    }
    painter.restore();
}

} // namespace window
