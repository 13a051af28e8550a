// Rendering the year sheet into files and onto pages.
#include "app/sheetexport.h"

#include "app/frmforma.h"
#include "app/yearbox.h"
#include "ui/fonts.h"
#include "ui/picturearea.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace ortelana {

namespace {

// Confirms the year in a hidden main window, exactly as a user would, and draws it.
// `beforeDrawing` may prepare the picture (density, background, mirror) first.
template <typename Prepare>
void drawYear(frmForma &form, const SheetRequest &request, Prepare &&beforeDrawing)
{
    beforeDrawing(*form.calendarPicture());
    form.yearBox()->setText(QString::number(request.year));
    form.setOldStyleChecked(request.oldStyle);
    form.DrawSheet();
    form.NewGod();
}

constexpr qreal TitleHeight = 40;   // logical pixels above the sheet

void paintPage(QPainter &painter, const QRectF &page, const SheetRequest &request, const QColor &background)
{
    SharedTables tables;
    frmForma form(tables);
    const QSizeF sheetSize = form.calendarPicture()->drawingSize();
    const qreal scale = qMin(page.width() / sheetSize.width(),
                             page.height() / (sheetSize.height() + TitleHeight));

    painter.save();
    painter.translate(page.topLeft());
    painter.scale(scale, scale);
    painter.fillRect(QRectF(QPointF(0, TitleHeight), sheetSize), background);
    drawYear(form, request, [&](PictureArea &picture) {
        painter.save();
        painter.translate(0, TitleHeight);
        picture.setBackColor(background);
        picture.setMirror(&painter);
    });
    form.calendarPicture()->setMirror(nullptr);
    painter.restore();   // the translation to the sheet

    painter.setFont(sansSerifFont(20, true));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(0, 0, sheetSize.width(), TitleHeight), Qt::AlignCenter,
                     QString::number(request.year) + form.caption());
    painter.restore();
}

} // namespace

QImage sheetImage(const SheetRequest &request, qreal scale)
{
    SharedTables tables;
    frmForma form(tables);
    drawYear(form, request, [scale](PictureArea &picture) { picture.setImageScale(scale); });
    return form.calendarPicture()->image();
}

void paintSheetPage(QPainter &painter, const QRectF &page, const SheetRequest &request)
{
    // Paper wants no grey: the day areas are erased in white.
    paintPage(painter, page, request, Qt::white);
}

void paintSheetPage(QPainter &painter, const QRectF &page, const frmForma &shown)
{
    paintSheetPage(painter, page, SheetRequest{shown.computedYear(), shown.oldStyleChecked()});
}

ExportResult exportSheet(const QString &file, const SheetRequest &request)
{
    const QFileInfo info(file);
    const QString suffix = info.suffix().toLower();
    if (suffix != QLatin1String("png") && suffix != QLatin1String("pdf"))
        return {1, QStringLiteral("ortelana: неизвестный формат «%1»: нужен .png или .pdf").arg(file)};
    if (info.isSymLink())
        return {1, QStringLiteral("ortelana: «%1» — символическая ссылка; по ссылкам не пишу").arg(file)};
    if (info.isDir())
        return {1, QStringLiteral("ortelana: «%1» — папка").arg(file)};

    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return {1, QStringLiteral("ortelana: не удаётся записать «%1»: %2").arg(file, out.errorString())};

    bool written = false;
    if (suffix == QLatin1String("png")) {
        written = sheetImage(request).save(&out, "PNG");
    } else {
        QPdfWriter writer(&out);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                         QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
        writer.setTitle(QStringLiteral("Ортелана %1").arg(request.year));
        writer.setCreator(QStringLiteral("Ортелана"));
        QPainter painter;
        if (painter.begin(&writer)) {
            paintSheetPage(painter, QRectF(QPointF(0, 0), QSizeF(writer.width(), writer.height())), request);
            written = painter.end();
        }
    }
    if (!written || !out.commit()) {
        out.cancelWriting();
        return {1, QStringLiteral("ortelana: не удаётся записать «%1»: %2").arg(file, out.errorString())};
    }
    return {};
}

} // namespace ortelana
