// Drawing the printed page: the scene's items keep their 96-dpi coordinates and GDI's
// mapping scales them to the page, so that the text is laid out and drawn at the
// device's own resolution, in vector form on a printer.
#include "win32/printpage.h"

#include "calendar/scene.h"
#include "calendar/sheetgeometry.h"
#include "win32/gdi.h"
#include "win32/gdicanvas.h"

#include <cstdint>

namespace ortelana::win32 {

namespace {
// The page's drawing in layout pixels: the title band over the sheet's drawing area.
constexpr int Width = sheet::DrawingWidth;
constexpr int Height = pagetitle::Height + sheet::DrawingHeight;

// The outline face of the window's bitmap MS Sans Serif, which printers cannot scale.
constexpr wchar_t PageFace[] = L"Microsoft Sans Serif";
constexpr COLORREF Paper = RGB(255, 255, 255);
} // namespace

RECT pagePlace(const RECT &page)
{
    const int pageWidth = page.right - page.left, pageHeight = page.bottom - page.top;
    int width = pageWidth, height = pageHeight;
    // The smaller of the two scales, so that both sides fit.
    if (std::int64_t(pageWidth) * Height <= std::int64_t(pageHeight) * Width)
        height = MulDiv(Height, pageWidth, Width);
    else
        width = MulDiv(Width, pageHeight, Height);
    const int left = page.left + (pageWidth - width) / 2, top = page.top + (pageHeight - height) / 2;
    return {left, top, left + width, top + height};
}

void drawPage(HDC dc, const RECT &page, const SheetRequest &request)
{
    const RECT place = pagePlace(page);
    const YearModel model = computeYear(request.year);
    const Scene scene = sheetScene(model, request.oldStyle);

    const int saved = SaveDC(dc);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, Width, Height, nullptr);
    SetViewportExtEx(dc, place.right - place.left, place.bottom - place.top, nullptr);
    SetViewportOrgEx(dc, place.left, place.top, nullptr);
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_TOP | TA_LEFT | TA_NOUPDATECP);
    {
        const Font font = makeFont(PageFace, pagetitle::Pixels, true);
        const Selected in(dc, font.get());
        GdiCanvas title(dc, Paper);
        draw(sheetTitle(model), title);
    }
    // The sheet below the band.  Paper wants no grey: the days are erased in white.
    SetWindowOrgEx(dc, 0, -pagetitle::Height, nullptr);
    {
        const Font font = makeFont(PageFace, fontpx::Pt9_75, true);
        const Selected in(dc, font.get());
        GdiCanvas canvas(dc, Paper);
        draw(scene.fixedLayer, canvas);
        draw(scene.dayLayer, canvas);
    }
    RestoreDC(dc, saved);
}

} // namespace ortelana::win32
