// A picture area on screen: a child window that owns a Surface and only copies it to
// the screen in WM_PAINT, so whatever was drawn stays through covering and
// repainting.  The year sheet's picture also carries the day cursor: while it has
// the keyboard focus, the arrows, Home and End move a focus frame over the days
// (Up and Down a day, Left and Right a week, Home and End the month's ends, with
// Ctrl the year's); the frame is drawn on screen only, never into the picture.
// Screen readers meet the days as a list (dayaccessible.h), the cursor's day focused.
#pragma once

#include "calendar/scene.h"
#include "win32/dayaccessible.h"
#include "win32/gdicanvas.h"

#include <windows.h>

#include <memory>
#include <vector>

namespace ortelana::win32 {

class PictureWindow final : private DaySource
{
public:
    // A child of `parent` at `outer` (border included); `sunken` gives it the sunken
    // edge, and the drawing area is what lies inside.  `focusable` lets Tab reach it.
    // `dpi` scales the day cursor's frame, as the canvas scales what it draws.
    static PictureWindow *create(HWND parent, const RECT &outer, bool sunken, bool focusable,
                                 COLORREF background, HFONT font, const wchar_t *name, int dpi = 96);

    HWND handle() const { return window; }
    Surface &surface() { return *picture; }
    // Shows what was drawn into the surface since the last call.
    void refresh() const { InvalidateRect(window, nullptr, FALSE); }

    // The days the cursor moves over (cells with a day) and their year; the cursor keeps
    // its month and day across drawings, or the month's last day when the year lacks it.
    void setCursorCells(const std::vector<SceneCell> &cells, long long year);
    int cursorKey() const { return current < 0 ? -1 : days[std::size_t(current)].key; }
    // What came with this drawing, said with the cursor's day until the cursor moves;
    // said at once when the picture has the focus.
    void setNews(std::wstring text);

private:
    int dayCount() const override { return int(days.size()); }
    std::wstring dayName(int index) const override;
    RECT daySlot(int index) const override;
    int focusedDay() const override { return hasCursor && GetFocus() == window ? current : -1; }
    std::wstring news() const override { return drawingNews; }
    bool takesFocus() const override { return hasCursor; }

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void paint();
    bool moveCursor(WPARAM key);

    HWND window = nullptr;
    std::unique_ptr<Surface> picture;
    std::vector<SceneCell> days;
    long long year = 0;
    std::wstring drawingNews;
    std::unique_ptr<DayList> accessible;
    int current = -1;
    bool hasCursor = false;
    int dpi = 96;
};

} // namespace ortelana::win32
