// The scene's canvas on GDI: a persistent 32-bit DIB section with its memory device
// context, font and background, which the picture windows copy to the screen and the
// export hands to the image encoder.
#pragma once

#include "calendar/canvas.h"
#include "win32/gdi.h"

#include <cstdint>
#include <string_view>

namespace ortelana::win32 {

class Surface
{
public:
    // A width × height picture filled with `background`, texts in `font` (not owned).
    Surface(int width, int height, COLORREF background, HFONT font);
    Surface(const Surface &) = delete;
    Surface &operator=(const Surface &) = delete;

    HDC dc() const { return memory.get(); }
    int width() const { return w; }
    int height() const { return h; }
    COLORREF background() const { return back; }
    // Top-down rows of 32-bit BGRX pixels, width() * 4 bytes each.
    const std::uint32_t *pixels() const { return bits; }

private:
    MemoryDc memory;
    std::uint32_t *bits = nullptr;   // before the bitmap, whose making sets it
    Bitmap bitmap;
    int w, h;
    COLORREF back;
    Selected bitmapIn;
    Selected fontIn;
};

// Draws the scene's items, whose coordinates are pixels at 96 dots per inch, onto the
// surface at `dpi` (its font made for that density), or onto any device context with
// its font selected, whose own mapping may scale them further (the printed page).
class GdiCanvas final : public Canvas
{
public:
    explicit GdiCanvas(Surface &surface, int dpi = 96) : GdiCanvas(surface.dc(), surface.background(), dpi) {}
    GdiCanvas(HDC dc, COLORREF background, int dpi = 96) : dc(dc), background(background), dpi(dpi) {}

    void text(int x, int y, Colour colour, std::string_view utf8) override;
    int textWidth(std::string_view utf8) override;
    void fillBox(int x1, int y1, int x2, int y2, Colour colour) override;

private:
    int px(int length) const { return MulDiv(length, dpi, 96); }

    HDC dc;
    COLORREF background;
    int dpi;
};

} // namespace ortelana::win32
