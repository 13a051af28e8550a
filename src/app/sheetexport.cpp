// Rendering the year sheet into files and onto pages.
#include "app/sheetexport.h"

#include "app/frmforma.h"
#include "app/yearbox.h"
#include "ui/fonts.h"
#include "info/safewriter.h"
#include "ui/picturearea.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

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

QByteArray sheetPdf(const SheetRequest &request)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                     QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    writer.setTitle(QStringLiteral("Ортелана %1").arg(request.year));
    writer.setCreator(QStringLiteral("Ортелана"));
    QPainter painter;
    if (!painter.begin(&writer))
        return {};
    paintSheetPage(painter, QRectF(QPointF(0, 0), QSizeF(writer.width(), writer.height())), request);
    if (!painter.end())
        return {};
    return buffer.data();
}

ExportResult exportSheet(const QByteArray &file, const SheetRequest &request)
{
    const QString name = QFile::decodeName(file);
    const qsizetype dot = file.lastIndexOf('.');
    const QByteArray suffix = dot > file.lastIndexOf('/') ? file.mid(dot + 1).toLower() : QByteArray();
    if (suffix != "png" && suffix != "pdf")
        return {1, QStringLiteral("ortelana: неизвестный формат «%1»: нужен .png или .pdf").arg(name)};

    // Encoded in memory, so that every write to the disk goes through one place that
    // checks it; the encoders never see a disk error half way.
    QByteArray content;
    if (suffix == "png") {
        QBuffer buffer(&content);
        buffer.open(QIODevice::WriteOnly);
        if (!sheetImage(request).save(&buffer, "PNG"))
            content.clear();
    } else {
        content = sheetPdf(request);
    }
    if (content.isEmpty())
        return {1, QStringLiteral("ortelana: не удалось нарисовать «%1»").arg(name)};

    const SafeWriteResult written = writeFileSafely(file, content);
    if (!written.written())
        return {1, QStringLiteral("ortelana: не удаётся записать «%1»: %2").arg(name, written.reason)};
    return {};
}

} // namespace ortelana
