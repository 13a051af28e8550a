// Making the PDF page in memory.
#include "output/sheetpdf.h"

#include "behaviour/words.h"
#include "sheet/sheetpage.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace ortelana {

QByteArray sheetPdf(const SheetRequest &request, const QPageLayout &layout, int resolution)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(layout);
    writer.setResolution(resolution);
    writer.setTitle(QString::fromStdString(words::printJobTitle(request.year)));
    writer.setCreator(QStringLiteral("Ортелана"));
    QPainter painter;
    if (!painter.begin(&writer))
        return {};
    paintSheetPage(painter, QRectF(QPointF(0, 0), QSizeF(writer.width(), writer.height())), request);
    if (!painter.end())
        return {};
    return buffer.data();
}

QByteArray sheetPdf(const SheetRequest &request)
{
    // QPdfWriter's own resolution, as the export has always been written.
    constexpr int WriterResolution = 1200;
    return sheetPdf(request,
                    QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                                QPageLayout::Millimeter),
                    WriterResolution);
}

} // namespace ortelana
