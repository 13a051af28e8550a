// A picture area on screen: a child window that owns a Surface and only copies it to
// the screen in WM_PAINT, so whatever was drawn stays through covering and
// repainting.  A picture of days carries the day cursor (behaviour/daypicture.h): while
// it has the keyboard focus its cursor keys move a focus frame over the days, drawn on
// the screen only, never into the picture.  Screen readers meet the days as a list
// (dayaccessible.h), UI Automation clients as tables (dayautomation.h), the cursor's
// day focused; a picture without days is met in the
// role it is made with, named by its window text.
#pragma once

#include "behaviour/daypicture.h"
#include "win32/dayaccessible.h"
#include "win32/dayautomation.h"
#include "win32/gdicanvas.h"

#include <windows.h>

#include <memory>

namespace ortelana::win32 {

class PictureWindow
{
public:
    // A child of `parent` at `outer` (border included); `sunken` gives it the sunken
    // edge, and the drawing area is what lies inside.  `focusable` lets Tab reach it.
    // `role` is what it is to screen readers (ROLE_SYSTEM_LIST for a picture of days).
    // `dpi` scales the day cursor's frame, as the canvas scales what it draws.
    static PictureWindow *create(HWND parent, const RECT &outer, bool sunken, bool focusable, long role,
                                 COLORREF background, HFONT font, const wchar_t *name, int dpi = 96);

    HWND handle() const { return source.window; }
    Surface &surface() { return *picture; }
    // Shows what was drawn into the surface since the last call.
    void refresh() const { InvalidateRect(source.window, nullptr, FALSE); }

    // Moves the picture to `outer` at another density: a new blank surface of the new
    // size in `font`, to be drawn again by the owner.
    void rescale(const RECT &outer, HFONT font, int dpi);

    // The scene drawn: its days are the cursor's and the list's.
    void show(const Scene &scene);
    // What came with this drawing, said with the cursor's day until the cursor moves;
    // said at once when the picture has the focus.
    void setNews(const std::string &text);

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void paint();
    bool moveCursor(WPARAM key);

    DayPicture days;
    DaySource source{nullptr, &days};
    std::unique_ptr<Surface> picture;
    std::unique_ptr<DayList> accessible;
    std::unique_ptr<DayAutomation> automation;   // pictures of days only
};

} // namespace ortelana::win32
