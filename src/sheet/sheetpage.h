// The year sheet away from the window: into an image at any pixel density (export to
// PNG, the tests' expected pictures) or onto a page (PDF, printing), drawn from the
// same scene the window draws, with no widget: a QGuiApplication is enough.
#pragma once

#include "calendar/sheetrequest.h"

#include <QImage>

class QPainter;
class QRectF;

namespace ortelana {

// Returns: the sheet's drawing area for the year as the window shows it, at the given
// pixel density, on the surface the window's sheet has.
QImage sheetImage(const SheetRequest &request, qreal scale = 2);

// Draws the page: "<year> <caption>" as a title, the sheet below, scaled to fit
// `page` (in the painter's units), in vector form, on white.
void paintSheetPage(QPainter &painter, const QRectF &page, const SheetRequest &request);

} // namespace ortelana
