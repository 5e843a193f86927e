#include "hamburger_icon.h"

#include <QPainterPath>

#include <algorithm>

namespace window
{

void PaintHamburger(QPainter &painter, const QRectF &rect)
{
    // Drawn on a 32 × 32 grid, scaled to the square.
    const double side = std::min(rect.width(), rect.height());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(rect.center().x() - side / 2, rect.center().y() - side / 2);
    painter.scale(side / 32, side / 32);

    const QColor bun(226, 156, 64);
    const QColor crust(150, 88, 30);
    QPen outline(crust, 0.8);
    outline.setJoinStyle(Qt::RoundJoin);

    // Bottom bun.
    painter.setPen(outline);
    painter.setBrush(bun);
    painter.drawRoundedRect(QRectF(4, 22.5, 24, 5.5), 2.5, 2.5);

    // Patty.
    painter.setBrush(QColor(104, 56, 28));
    painter.setPen(QPen(QColor(70, 36, 16), 0.8));
    painter.drawRoundedRect(QRectF(3, 18.5, 26, 4.5), 2.2, 2.2);

    // Cheese, with a drip over the patty.
    QPainterPath cheese;
    cheese.moveTo(3.5, 17);
    cheese.lineTo(28.5, 17);
    cheese.lineTo(28, 19);
    cheese.lineTo(19, 19);
    cheese.lineTo(16.5, 22);
    cheese.lineTo(14, 19);
    cheese.lineTo(4, 19);
    cheese.closeSubpath();
    painter.setBrush(QColor(250, 206, 40));
    painter.setPen(QPen(QColor(200, 150, 20), 0.6));
    painter.drawPath(cheese);

    // Lettuce: a wavy green band.
    QPainterPath lettuce;
    lettuce.moveTo(2.5, 15);
    for (int i = 0; i < 9; ++i) {
        const double x = 2.5 + i * 3;
        lettuce.quadTo(x + 1.5, 19, x + 3, 16.5);
    }
    lettuce.lineTo(29.5, 14.5);
    lettuce.lineTo(2.5, 14.5);
    lettuce.closeSubpath();
    painter.setBrush(QColor(84, 180, 60));
    painter.setPen(QPen(QColor(40, 120, 30), 0.6));
    painter.drawPath(lettuce);

    // Top bun: a dome with sesame seeds.
    QPainterPath dome;
    dome.moveTo(3, 15.5);
    dome.cubicTo(3, 3, 29, 3, 29, 15.5);
    dome.closeSubpath();
    painter.setPen(outline);
    painter.setBrush(bun);
    painter.drawPath(dome);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 244, 214));
    const QPointF seeds[] = {{10, 9.5}, {16, 7.5}, {22, 9.5}, {13, 12.5}, {19, 12.5}};
    for (const QPointF &seed : seeds) {
        painter.save();
        painter.translate(seed);
        painter.rotate(seed.x() < 16 ? -25 : 25);
        painter.drawEllipse(QRectF(-1.1, -0.6, 2.2, 1.2));
        painter.restore();
    }
    painter.restore();
}

} // namespace window
