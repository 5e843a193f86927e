#include "svg_picture.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

namespace web
{

QByteArray SvgPicture(const platform::PaintFunction &paint, QSize size)
{
    QBuffer buffer;
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    QPainter painter(&generator);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paint(painter, QRectF(QPointF(0, 0), size));
    painter.end();
    return buffer.data();
}

} // namespace web
