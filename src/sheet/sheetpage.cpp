// Drawing the year sheet into images and onto pages.
#include "sheet/sheetpage.h"

#include "calendar/yearmodel.h"
#include "ui/fonts.h"

#include <QPainter>

namespace ortelana {

namespace {
constexpr qreal TitleHeight = 40;   // logical pixels above the sheet
} // namespace

SheetPicture::SheetPicture(qreal scale)
{
    picture.setFont(sansSerifFont(fontpx::Pt9_75, true));
    picture.resize(sheet::OuterSize);
    if (scale > 0)
        picture.setImageScale(scale);
}

void SheetPicture::draw(const YearModel &model, bool oldStyleChecked)
{
    sheet.DrawSheet();
    drawDays(model, oldStyleChecked);
}

void SheetPicture::drawDays(const YearModel &model, bool oldStyleChecked)
{
    tables.takeYear(model);
    sheet.DrawDays(model, oldStyleChecked);
}

QImage sheetImage(const SheetRequest &request, qreal scale)
{
    SheetPicture drawn(scale);
    drawn.draw(computeYear(request.year), request.oldStyle);
    return drawn.picture.image();
}

void paintSheetPage(QPainter &painter, const QRectF &page, const SheetRequest &request)
{
    SheetPicture drawn;
    const YearModel model = computeYear(request.year);
    const QSizeF sheetSize = drawn.picture.drawingSize();
    const qreal scale = qMin(page.width() / sheetSize.width(), page.height() / (sheetSize.height() + TitleHeight));

    painter.save();
    painter.translate(page.topLeft());
    painter.scale(scale, scale);

    // Paper wants no grey: the day areas are erased in white.
    painter.save();
    painter.translate(0, TitleHeight);
    painter.fillRect(QRectF(QPointF(0, 0), sheetSize), Qt::white);
    drawn.picture.setBackColor(Qt::white);
    drawn.picture.setMirror(&painter);
    drawn.draw(model, request.oldStyle);
    drawn.picture.setMirror(nullptr);
    painter.restore();

    painter.setFont(sansSerifFont(20, true));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(0, 0, sheetSize.width(), TitleHeight), Qt::AlignCenter,
                     QString::number(request.year) + QString::fromStdString(model.caption));
    painter.restore();
}

} // namespace ortelana
