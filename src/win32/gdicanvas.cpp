// Drawing the scene's items with GDI into the surface's DIB or onto a printer's page.
#include "win32/gdicanvas.h"

#include "win32/text.h"

#include <algorithm>

namespace ortelana::win32 {

namespace {
HBITMAP makeDib(int width, int height, std::uint32_t **bits)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;   // top-down, like the scene's coordinates
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void *memory = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &memory, nullptr, 0);
    *bits = static_cast<std::uint32_t *>(memory);
    return bitmap;
}

// The scene's colours are COLORREFs already (0x00BBGGRR); BackColour is the surface's.
COLORREF colourOf(Colour colour, COLORREF background)
{
    return colour == BackColour ? background : COLORREF(colour & 0x00FFFFFF);
}
} // namespace

Surface::Surface(int width, int height, COLORREF background, HFONT font)
    : bitmap(makeDib(width, height, &bits)), w(width), h(height), back(background),
      bitmapIn(memory.get(), bitmap.get()), fontIn(memory.get(), font)
{
    SetBkMode(memory.get(), TRANSPARENT);
    SetTextAlign(memory.get(), TA_TOP | TA_LEFT | TA_NOUPDATECP);
    const RECT all{0, 0, width, height};
    const Brush fill(CreateSolidBrush(background));
    FillRect(memory.get(), &all, fill.get());
}

void GdiCanvas::text(int x, int y, Colour colour, std::string_view utf8)
{
    const std::wstring wide = widen(utf8);
    SetTextColor(dc, colourOf(colour, background));
    TextOutW(dc, px(x), px(y), wide.c_str(), int(wide.size()));
}

int GdiCanvas::textWidth(std::string_view utf8)
{
    const std::wstring wide = widen(utf8);
    SIZE size{};
    GetTextExtentPoint32W(dc, wide.c_str(), int(wide.size()), &size);
    return MulDiv(int(size.cx), 96, dpi);
}

void GdiCanvas::fillBox(int x1, int y1, int x2, int y2, Colour colour)
{
    // Both corners belong to the box, whichever way round they are given.
    const RECT box{px(std::min(x1, x2)), px(std::min(y1, y2)), px(std::max(x1, x2) + 1), px(std::max(y1, y2) + 1)};
    // The device context's own brush: no brush made and deleted for every box.
    SetDCBrushColor(dc, colourOf(colour, background));
    FillRect(dc, &box, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

} // namespace ortelana::win32
