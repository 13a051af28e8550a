// Persistent-image drawing surface.
#include "ui/picturearea.h"

#include <QFontMetrics>
#include <QPainter>

namespace ortelana {

PictureArea::PictureArea(Border border, QWidget *parent)
    : QFrame(parent)
{
    if (border == Border::Sunken) {
        setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
        setLineWidth(2);
    }
    // A picture box defaults to the colour of button faces.
    backColor = palette().color(QPalette::Button);
    setAttribute(Qt::WA_StaticContents);
    setFocusPolicy(Qt::NoFocus);
}

qreal PictureArea::targetScale() const
{
    return fixedScale > 0 ? fixedScale : devicePixelRatioF();
}

void PictureArea::setImageScale(qreal scale)
{
    fixedScale = scale;
    ensureImage();
}

// Keeps the image as large as the drawing area at the current pixel density.  A new
// size keeps what was drawn; a new density (the window moved to another screen)
// rescales it, since the picture cannot be drawn again.
void PictureArea::ensureImage()
{
    const QSize logical = drawingSize().expandedTo(QSize(1, 1));
    const qreal scale = targetScale();
    const QSize device = (QSizeF(logical) * scale).toSize();
    if (picture.size() == device && picture.devicePixelRatio() == scale)
        return;

    QImage fresh(device, QImage::Format_RGB32);
    fresh.setDevicePixelRatio(scale);
    fresh.fill(backColor);
    if (!picture.isNull()) {
        QPainter painter(&fresh);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const QSizeF oldLogical = QSizeF(picture.size()) / picture.devicePixelRatio();
        painter.drawImage(QRectF(QPointF(0, 0), oldLogical), picture);
    }
    picture = std::move(fresh);
}

void PictureArea::markDirty(const QRect &logical)
{
    update(logical.translated(contentsRect().topLeft()).adjusted(-1, -1, 1, 1));
}

void PictureArea::Print(const QString &text)
{
    ensureImage();
    const QFontMetrics metrics(font());
    {
        QPainter painter(&picture);
        painter.setFont(font());
        painter.setPen(ForeColor);
        painter.drawText(QPointF(CurrentX, CurrentY + metrics.ascent()), text);
    }
    markDirty(QRect(CurrentX, CurrentY, metrics.horizontalAdvance(text) + 2, metrics.height()));
    CurrentX = 0;
    CurrentY += metrics.height();
}

void PictureArea::Print(long long number)
{
    // The sign place is a blank for a number that is not negative.
    const QString digits = QString::number(number);
    Print((number < 0 ? digits : QLatin1Char(' ') + digits) + QLatin1Char(' '));
}

int PictureArea::TextWidth(const QString &text) const
{
    return QFontMetrics(font()).horizontalAdvance(text);
}

int PictureArea::TextHeight() const
{
    return QFontMetrics(font()).height();
}

void PictureArea::FillBox(int x1, int y1, int x2, int y2, const QColor &color)
{
    ensureImage();
    const QRect box(QPoint(qMin(x1, x2), qMin(y1, y2)), QPoint(qMax(x1, x2), qMax(y1, y2)));
    {
        QPainter painter(&picture);
        painter.fillRect(box, color);
    }
    markDirty(box);
}

void PictureArea::setBackColor(const QColor &color)
{
    backColor = color;
    ensureImage();
    picture.fill(color);
    update();
}

const QImage &PictureArea::image()
{
    ensureImage();
    return picture;
}

void PictureArea::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    ensureImage();
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), picture);
}

} // namespace ortelana
