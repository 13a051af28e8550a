// Owners for GDI handles, so that every object made is deleted and every object
// selected into a device context is put back, on every path.
#pragma once

#include <windows.h>

#include <utility>

namespace ortelana::win32 {

// A GDI object (font, bitmap, brush, pen), deleted with its owner.
template <typename Handle>
class GdiObject
{
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle(handle) {}
    ~GdiObject() { reset(); }
    GdiObject(GdiObject &&other) noexcept : handle(std::exchange(other.handle, nullptr)) {}
    GdiObject &operator=(GdiObject &&other) noexcept
    {
        if (this != &other) {
            reset();
            handle = std::exchange(other.handle, nullptr);
        }
        return *this;
    }
    GdiObject(const GdiObject &) = delete;
    GdiObject &operator=(const GdiObject &) = delete;

    Handle get() const { return handle; }
    explicit operator bool() const { return handle != nullptr; }
    void reset(Handle next = nullptr)
    {
        if (handle)
            DeleteObject(handle);
        handle = next;
    }

private:
    Handle handle = nullptr;
};

using Font = GdiObject<HFONT>;
using Bitmap = GdiObject<HBITMAP>;
using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;

// A memory device context, deleted with its owner.
class MemoryDc
{
public:
    MemoryDc() : dc(CreateCompatibleDC(nullptr)) {}
    ~MemoryDc() { if (dc) DeleteDC(dc); }
    MemoryDc(const MemoryDc &) = delete;
    MemoryDc &operator=(const MemoryDc &) = delete;
    HDC get() const { return dc; }

private:
    HDC dc;
};

// Selects an object into a device context for one scope.
class Selected
{
public:
    Selected(HDC dc, HGDIOBJ object) : dc(dc), old(SelectObject(dc, object)) {}
    ~Selected() { if (old && old != HGDI_ERROR) SelectObject(dc, old); }
    Selected(const Selected &) = delete;
    Selected &operator=(const Selected &) = delete;

private:
    HDC dc;
    HGDIOBJ old;
};

// BeginPaint and EndPaint around one WM_PAINT.
class PaintScope
{
public:
    explicit PaintScope(HWND window) : window(window) { BeginPaint(window, &paint); }
    ~PaintScope() { EndPaint(window, &paint); }
    PaintScope(const PaintScope &) = delete;
    PaintScope &operator=(const PaintScope &) = delete;
    HDC dc() const { return paint.hdc; }
    const RECT &area() const { return paint.rcPaint; }

private:
    HWND window;
    PAINTSTRUCT paint{};
};

// Returns: a font of the face at a height of `pixels` (cell height less internal
// leading, as point sizes give it), with the Cyrillic character set.
inline Font makeFont(const wchar_t *face, int pixels, bool bold, bool underline = false)
{
    LOGFONTW font{};
    font.lfHeight = -pixels;
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfUnderline = underline ? TRUE : FALSE;
    font.lfCharSet = RUSSIAN_CHARSET;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
    lstrcpynW(font.lfFaceName, face, LF_FACESIZE);
    return Font(CreateFontIndirectW(&font));
}

// Point sizes of the program's fonts, in pixels at 96 dots per inch.
namespace fontpx {
inline constexpr int Pt9_75 = 13;
inline constexpr int Pt12 = 16;
inline constexpr int Pt13_5 = 18;
} // namespace fontpx

} // namespace ortelana::win32
