// Export of the year sheet to a PNG at twice the resolution or a PDF page with the
// year and its caption as a title.
#pragma once

#include "calendar/sheetrequest.h"

#include <QByteArray>
#include <QFile>
#include <QString>

namespace ortelana {

struct ExportResult
{
    int exitCode = 0;        // 0 written, 1 not written
    QString message;         // one line, empty on success
};

// Writes the sheet to `file` (bytes as the system names it); the extension (.png or
// .pdf) chooses the format.  Written through writeFileSafely: a failure leaves the old
// file as it was and nothing else behind.  With no font to draw the sheet's text,
// nothing is written.
ExportResult exportSheet(const QByteArray &file, const SheetRequest &request);

inline ExportResult exportSheet(const QString &file, const SheetRequest &request)
{
    return exportSheet(QFile::encodeName(file), request);
}

// Returns: whether the file's extension names a format the export writes.
bool isExportFormat(const QByteArray &file);

} // namespace ortelana
