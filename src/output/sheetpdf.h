// The sheet page as a PDF document in memory, for the export and for printing to a
// file: encoded whole before anything is written, so the disk sees one safe write.
#pragma once

#include "calendar/sheetrequest.h"

#include <QByteArray>

class QPageLayout;

namespace ortelana {

// Returns: the page of the year's sheet laid out on `layout` at `resolution` dots per
// inch, titled «Ортелана <year>»; empty when it could not be drawn.
QByteArray sheetPdf(const SheetRequest &request, const QPageLayout &layout, int resolution);

// Returns: the page as --export writes it, one A4 landscape page.
QByteArray sheetPdf(const SheetRequest &request);

} // namespace ortelana
