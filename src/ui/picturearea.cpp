// Persistent-image drawing surface.
#include "ui/picturearea.h"

#include "ui/daygrid.h"
#include "paint/surface.h"
#include "ui/focusframe.h"

#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

#include <optional>

namespace ortelana {

namespace {
std::optional<CursorKey> cursorKey(int key)
{
    switch (key) {
    case Qt::Key_Up: return CursorKey::Up;
    case Qt::Key_Down: return CursorKey::Down;
    case Qt::Key_Left: return CursorKey::Left;
    case Qt::Key_Right: return CursorKey::Right;
    case Qt::Key_Home: return CursorKey::Home;
    case Qt::Key_End: return CursorKey::End;
    default: return std::nullopt;
    }
}
} // namespace

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
    if (!hasFocus())
        return;
    drawFocusFrame(painter, *this);
    if (const DayGrid *grid = DayGrid::of(this); grid && grid->days().cursor() >= 0)
        drawFocusFrame(painter, *this, grid->rect(grid->days().cursor()));
}

void PictureArea::focusInEvent(QFocusEvent *event)
{
    QFrame::focusInEvent(event);
    update();
    // After the picture's own focus event, which would otherwise have the last word.
    if (DayGrid *grid = DayGrid::of(this))
        QTimer::singleShot(0, grid, [grid] { grid->announceFocus(); });
}

void PictureArea::keyPressEvent(QKeyEvent *event)
{
    // Alt and Meta leave the key to the window.
    DayGrid *grid = DayGrid::of(this);
    const std::optional<CursorKey> key = cursorKey(event->key());
    if (grid && key && !(event->modifiers() & (Qt::AltModifier | Qt::MetaModifier))
        && grid->move(*key, event->modifiers() & Qt::ControlModifier)) {
        update();
        return;
    }
    QFrame::keyPressEvent(event);
}

void PictureArea::focusOutEvent(QFocusEvent *event)
{
    QFrame::focusOutEvent(event);
    update();
}

} // namespace ortelana
