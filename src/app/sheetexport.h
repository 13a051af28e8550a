// The year sheet off screen: a PNG at twice the resolution, a PDF page with the year
// and its caption as a title, and the same page for a printer.  The sheet is drawn by
// the main window's own code, never by a second implementation.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QString>

class QPainter;
class QRectF;

namespace ortelana {

class frmForma;

struct SheetRequest
{
    long long year = 0;      // 1 to 9 999 999
    bool oldStyle = true;    // the old-style box, as the window starts
};

// Returns: the sheet of the year as the window draws it, at the given pixel density.
QImage sheetImage(const SheetRequest &request, qreal scale = 2);

// Draws the page: "<year> <caption>" as a title, the sheet below, scaled to fit
// `page` (in the painter's units), in vector form.
void paintSheetPage(QPainter &painter, const QRectF &page, const SheetRequest &request);

// Draws the page for the year and old-style state that a window shows now.
void paintSheetPage(QPainter &painter, const QRectF &page, const frmForma &shown);

struct ExportResult
{
    int exitCode = 0;        // 0 written, 1 not written
    QString message;         // one line, empty on success
};

// Writes the sheet to `file` (bytes as the system names it); the extension (.png or
// .pdf) chooses the format.  Written through writeFileSafely: a failure leaves the old
// file as it was and nothing else behind.
ExportResult exportSheet(const QByteArray &file, const SheetRequest &request);

inline ExportResult exportSheet(const QString &file, const SheetRequest &request)
{
    return exportSheet(QFile::encodeName(file), request);
}

// Returns: the sheet page as a PDF document, in memory.
QByteArray sheetPdf(const SheetRequest &request);

} // namespace ortelana
