// Persistent-image drawing surface.
#include "ui/picturearea.h"

#include "ui/focusframe.h"
#include "ui/surface.h"

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
    lineHeight = QFontMetrics(font()).height();
}

PictureArea::~PictureArea() = default;

void PictureArea::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange) {
        textCache.clear();
        lineHeight = QFontMetrics(font()).height();
    }
    QFrame::changeEvent(event);
}

PictureArea::Batch::Batch(PictureArea &area)
    : area(area)
{
    if (area.batchDepth++ == 0) {
        area.ensureImage();
        area.batchPainter = std::make_unique<QPainter>(&area.picture);
        area.batchDirty = QRect();
    }
}

PictureArea::Batch::~Batch()
{
    if (--area.batchDepth == 0) {
        area.batchPainter.reset();
        if (area.batchDirty.isValid())
            area.markDirty(area.batchDirty);
    }
}

template <typename Draw>
void PictureArea::paint(Draw &&draw)
{
    if (mirror) {
        mirror->save();
        draw(*mirror);
        mirror->restore();
    }
    if (batchPainter) {
        draw(*batchPainter);
        return;
    }
    ensureImage();
    QPainter painter(&picture);
    draw(painter);
}

const QStaticText &PictureArea::laidOut(const QString &text)
{
    auto found = textCache.find(text);
    if (found == textCache.end()) {
        QStaticText laid(text);
        laid.setTextFormat(Qt::PlainText);
        laid.setPerformanceHint(QStaticText::AggressiveCaching);
        laid.prepare(QTransform(), font());
        found = textCache.insert(text, laid);
    }
    return *found;
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
    if (batchPainter)
        return;   // never pull the image from under an open painter
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
    if (batchPainter) {
        batchDirty |= logical;
        return;
    }
    update(logical.translated(contentsRect().topLeft()).adjusted(-1, -1, 1, 1));
}

void PictureArea::Print(const QString &text)
{
    const QStaticText &laid = laidOut(text);
    paint([&](QPainter &painter) {
        painter.setFont(font());
        painter.setPen(ForeColor);
        painter.drawStaticText(QPointF(CurrentX, CurrentY), laid);
    });
    markDirty(QRect(CurrentX, CurrentY, qCeil(laid.size().width()) + 2, lineHeight));
    CurrentX = 0;
    CurrentY += lineHeight;
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
    return lineHeight;
}

void PictureArea::FillBox(int x1, int y1, int x2, int y2, const QColor &color)
{
    const QRect box(QPoint(qMin(x1, x2), qMin(y1, y2)), QPoint(qMax(x1, x2), qMax(y1, y2)));
    paint([&](QPainter &painter) { painter.fillRect(box, color); });
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
