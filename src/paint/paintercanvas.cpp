// Drawing scene items with a QPainter.
#include "paint/paintercanvas.h"

#include "paint/vbcolor.h"

#include <QFontMetrics>
#include <QPainter>
#include <QtMath>

namespace ortelana {

namespace {
QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}
} // namespace

PainterCanvas::PainterCanvas(QPainter &painter, const QFont &font, const QColor &background, TextCache *cache)
    : painter(painter), font(font), background(background), cache(cache ? *cache : ownCache),
      lineHeight(QFontMetrics(font).height())
{
}

QColor PainterCanvas::colourOf(Colour colour) const
{
    return colour == BackColour ? background : vbColor(colour);
}

const QStaticText &PainterCanvas::laidOut(const QString &text)
{
    auto found = cache.find(text);
    if (found == cache.end()) {
        QStaticText laid(text);
        laid.setTextFormat(Qt::PlainText);
        laid.setPerformanceHint(QStaticText::AggressiveCaching);
        laid.prepare(QTransform(), font);
        found = cache.insert(text, laid);
    }
    return *found;
}

void PainterCanvas::text(int x, int y, Colour colour, std::string_view utf8)
{
    const QStaticText &laid = laidOut(fromUtf8(utf8));
    painter.setFont(font);
    painter.setPen(colourOf(colour));
    painter.drawStaticText(QPointF(x, y), laid);
    drawn |= QRect(x, y, qCeil(laid.size().width()) + 2, lineHeight);
}

int PainterCanvas::textWidth(std::string_view utf8)
{
    // The font's own metrics, not the painter's: a PDF page centres as the screen does.
    return QFontMetrics(font).horizontalAdvance(fromUtf8(utf8));
}

void PainterCanvas::fillBox(int x1, int y1, int x2, int y2, Colour colour)
{
    const QRect box(QPoint(qMin(x1, x2), qMin(y1, y2)), QPoint(qMax(x1, x2), qMax(y1, y2)));
    painter.fillRect(box, colourOf(colour));
    drawn |= box;
}

} // namespace ortelana
