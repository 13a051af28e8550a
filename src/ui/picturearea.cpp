// Persistent-image drawing surface.
#include "ui/picturearea.h"

#include "paint/surface.h"
#include "ui/focusframe.h"

#include <QEvent>
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
    // A picture box defaults to the colour of button faces, kept light where the
    // palette's would not carry the program's fixed ink.
    backColor = inkSurface(palette());
    if (backColor != palette().color(QPalette::Button)) {
        // The focus frames drawn over it follow the surface, not the dark palette.
        QPalette light = palette();
        light.setColor(QPalette::WindowText, readableText(light, backColor));
        setPalette(light);
    }
    setAttribute(Qt::WA_StaticContents);
    // Reached by Tab (a screen reader then reads its description), never by a click.
    setFocusPolicy(Qt::TabFocus);
}

PictureArea::~PictureArea() = default;

void PictureArea::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        textCache.clear();
    QFrame::changeEvent(event);
}

void PictureArea::draw(const std::vector<SceneItem> &items)
{
    ensureImage();
    QRect touched;
    {
        QPainter painter(&picture);
        PainterCanvas canvas(painter, font(), backColor, &textCache);
        ortelana::draw(items, canvas);
        touched = canvas.touched();
    }
    if (touched.isValid())
        update(touched.translated(contentsRect().topLeft()).adjusted(-1, -1, 1, 1));
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

int PictureArea::TextWidth(const QString &text) const
{
    return QFontMetrics(font()).horizontalAdvance(text);
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
    if (hasFocus())
        drawFocusFrame(painter, *this);
}

void PictureArea::focusInEvent(QFocusEvent *event)
{
    QFrame::focusInEvent(event);
    update();
}

void PictureArea::focusOutEvent(QFocusEvent *event)
{
    QFrame::focusOutEvent(event);
    update();
}

} // namespace ortelana
