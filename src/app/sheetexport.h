// Export of the year sheet to a PNG at twice the resolution or a PDF page with the
// year and its caption as a title.
#pragma once

#include "sheet/sheetpage.h"

#include <QString>

namespace ortelana {

struct ExportResult
{
    int exitCode = 0;        // 0 written, 1 not written
    QString message;         // one line, empty on success
};

// Writes the sheet to `file`; the extension (.png or .pdf) chooses the format.  Goes
// through a temporary file so that a failure leaves nothing behind, and never writes
// through a symbolic link.
ExportResult exportSheet(const QString &file, const SheetRequest &request);

} // namespace ortelana
