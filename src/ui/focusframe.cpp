// Focus frame drawing.
#include "ui/focusframe.h"

#include <QPainter>
#include <QWidget>

namespace ortelana {

void drawFocusFrame(QPainter &painter, const QWidget &widget)
{
    drawFocusFrame(painter, widget, widget.rect());
}

void drawFocusFrame(QPainter &painter, const QWidget &widget, const QRect &rect)
{
    // A dotted line on the outermost ring of pixels: on a framed picture it lies on the
    // border and leaves every pixel of the drawing as it is; styles' own focus frames
    // may tint the whole rectangle.
    painter.save();
    QPen pen(widget.palette().color(QPalette::WindowText), 1, Qt::DotLine);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}

} // namespace ortelana
