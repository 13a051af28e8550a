// Writing the year sheet into files.
#include "app/sheetexport.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace ortelana {

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
