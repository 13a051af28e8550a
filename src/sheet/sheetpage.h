// The year sheet away from the window: into an image at any pixel density (export to
// PNG, the tests' expected pictures) or onto a page (PDF, printing), drawn by the same
// sheet drawing the window uses, from the year model alone.
#pragma once

#include "calendar/sharedtables.h"
#include "calendar/sheetrequest.h"
#include "sheet/yearsheet.h"
#include "ui/picturearea.h"

#include <QImage>

class QPainter;
class QRectF;

namespace ortelana {

// A picture box like the main window's, with its border, font and size, and the sheet
// drawing on tables of its own: what images, pages and the tests draw the sheet into.
struct SheetPicture
{
    SharedTables tables;
    PictureArea picture{PictureArea::Border::Sunken};
    YearSheet sheet{picture, tables};

    // `scale`: the image's pixel density; 0 follows the screen, as a widget does.
    explicit SheetPicture(qreal scale = 0);
    // The fixed layer, then the days of the year.
    void draw(const YearModel &model, bool oldStyleChecked);
    // The days alone, over what is drawn already.
    void drawDays(const YearModel &model, bool oldStyleChecked);
};

// Returns: the sheet of the year as the window draws it, at the given pixel density.
QImage sheetImage(const SheetRequest &request, qreal scale = 2);

// Draws the page: "<year> <caption>" as a title, the sheet below, scaled to fit
// `page` (in the painter's units), in vector form, on white.
void paintSheetPage(QPainter &painter, const QRectF &page, const SheetRequest &request);

} // namespace ortelana
