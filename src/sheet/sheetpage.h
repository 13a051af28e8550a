// The year sheet away from the window: into an image at any pixel density (export to
// PNG, the tests' expected pictures) or onto a page (PDF, printing), drawn by the same
// sheet drawing the window uses, from the year model alone.
#pragma once

#include <QImage>

class QPainter;
class QRectF;

namespace ortelana {

struct SheetRequest
{
    long long year = 0;      // 1 to 9 999 999
    bool oldStyle = true;    // the old-style box, as the window starts
};

// Returns: the sheet of the year as the window draws it, at the given pixel density.
QImage sheetImage(const SheetRequest &request, qreal scale = 2);

// Draws the page: "<year> <caption>" as a title, the sheet below, scaled to fit
// `page` (in the painter's units), in vector form, on white.
void paintSheetPage(QPainter &painter, const QRectF &page, const SheetRequest &request);

} // namespace ortelana
