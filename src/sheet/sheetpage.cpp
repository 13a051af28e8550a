// Drawing the year sheet into images and onto pages.
#include "sheet/sheetpage.h"

#include "calendar/scene.h"
#include "calendar/sheetgeometry.h"
#include "paint/fonts.h"
#include "paint/paintercanvas.h"
#include "paint/surface.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

namespace ortelana {

namespace {
constexpr QSizeF DrawingSize(sheet::DrawingWidth, sheet::DrawingHeight);

QFont sheetFont()
{
    return sansSerifFont(fontpx::Pt9_75, true);
}
} // namespace

QImage sheetImage(const SheetRequest &request, qreal scale)
{
    const QColor background = inkSurface(QGuiApplication::palette());
    QImage image((DrawingSize * scale).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(background);
    const Scene scene = sheetScene(computeYear(request.year), request.oldStyle);
    QPainter painter(&image);
    PainterCanvas canvas(painter, sheetFont(), background);
    draw(scene.fixedLayer, canvas);
    draw(scene.dayLayer, canvas);
    return image;
}

void paintSheetPage(QPainter &painter, const QRectF &page, const SheetRequest &request)
{
    const YearModel model = computeYear(request.year);
    const Scene scene = sheetScene(model, request.oldStyle);
    const qreal scale = qMin(page.width() / DrawingSize.width(), page.height() / (DrawingSize.height() + pagetitle::Height));

    painter.save();
    painter.translate(page.topLeft());
    painter.scale(scale, scale);

    // Paper wants no grey: the day areas are erased in white.
    painter.save();
    painter.translate(0, pagetitle::Height);
    painter.fillRect(QRectF(QPointF(0, 0), DrawingSize), Qt::white);
    PainterCanvas canvas(painter, sheetFont(), Qt::white);
    draw(scene.fixedLayer, canvas);
    draw(scene.dayLayer, canvas);
    painter.restore();

    PainterCanvas title(painter, sansSerifFont(pagetitle::Pixels, true), Qt::white);
    draw(sheetTitle(model), title);
    painter.restore();
}

} // namespace ortelana
