// Writing the year sheet into files.
#include "output/sheetexport.h"

#include "behaviour/words.h"
#include "output/messagetext.h"
#include "output/safewriter.h"
#include "output/sheetpdf.h"
#include "paint/fontcheck.h"
#include "sheet/sheetpage.h"

#include <QBuffer>

namespace ortelana {

namespace {

QByteArray suffixOf(const QByteArray &file)
{
    const qsizetype dot = file.lastIndexOf('.');
    return dot > file.lastIndexOf('/') ? file.mid(dot + 1).toLower() : QByteArray();
}

} // namespace

bool isExportFormat(const QByteArray &file)
{
    const QByteArray suffix = suffixOf(file);
    return suffix == "png" || suffix == "pdf";
}

ExportResult exportSheet(const QByteArray &file, const SheetRequest &request)
{
    const QString name = quotedInMessage(file);
    if (!isExportFormat(file))
        return {1, QStringLiteral("ortelana: неизвестный формат «%1»: нужен .png или .pdf").arg(name)};
    if (!sheetFontsAvailable())
        return {1, QString::fromUtf8(NoSheetFontsMessage)};
    const QByteArray suffix = suffixOf(file);

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
        return {1, QString::fromStdString(words::exportFailure(name.toStdString(), written.reason.toStdString()))};
    return {};
}

} // namespace ortelana
