// The printed page: the year's title over the sheet, as the Linux program prints it,
// scaled from the sheet's 96-dpi layout to a page's own pixels and centred on it,
// drawn through the GDI canvas onto any device context (a printer's, or a picture's).
#pragma once

#include "calendar/sheetrequest.h"

#include <windows.h>

namespace ortelana::win32 {

// Returns: where the title and sheet stand on a page of `page` device pixels: as
// large as fits with their proportions kept, centred.
RECT pagePlace(const RECT &page);

// Draws the request's title and sheet into pagePlace(page) on `dc`, in MM_TEXT
// mapping, whose state is restored afterwards.  The sheet lies on white.
void drawPage(HDC dc, const RECT &page, const SheetRequest &request);

} // namespace ortelana::win32
