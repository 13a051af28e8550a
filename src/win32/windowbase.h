// What the program's window classes share: the window procedure that hands each
// message to its C++ object, class registration, controls made at the layout's
// places, centring on the screen, and the modal loop of the dialogs.
#pragma once

#include "behaviour/layout.h"
#include "win32/gdi.h"

#include <windows.h>

#include <string>
#include <vector>

namespace ortelana::win32 {

// The layout's pixels (at 96 dots per inch) on the screen the program runs on: the
// program is aware of the screen's density, so it scales its windows itself.
struct Scale
{
    int dpi = 96;
    int px(int length) const { return MulDiv(length, dpi, 96); }
    RECT at(const layout::Rect &place) const
    {
        return RECT{px(place.x), px(place.y), px(place.x + place.width), px(place.y + place.height)};
    }
};

// Returns: the scale of the primary screen (its dots per inch as the system gives them).
Scale screenScale();

// Returns: the scale of the screen `window` stands on (GetDpiForWindow where the system
// has it, the primary screen's otherwise).
Scale windowScale(HWND window);

// A control and where it stands, for placing it again at another density with its
// font (owned by the window, remade for the density by then).
struct Placed
{
    HWND control = nullptr;
    layout::Rect place;
    const Font *font = nullptr;
};

// Moves each control to its place at `scale` and gives it its font again.
void placeControls(const std::vector<Placed> &controls, const Scale &scale);

// Routes the messages of a window class to T::handle(message, wParam, lParam); the
// object is passed as the creation parameter and must outlive the window.
template <typename T>
LRESULT CALLBACK routeToObject(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto *self = static_cast<T *>(reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams);
        self->window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto *self = reinterpret_cast<T *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY)
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    return self ? self->handle(message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

// Registers a class once per process; `background` is a system colour index + 1 or a brush.
ATOM registerWindowClass(const wchar_t *name, WNDPROC procedure, HBRUSH background);

// Makes a visible child control of the class `kind` at `place` (scaled already), with
// control id `id` and the font `font` (not owned).
HWND makeControl(HWND parent, const wchar_t *kind, const std::wstring &text, DWORD style, const RECT &place, int id,
                 HFONT font, DWORD exStyle = 0);

// Returns: the text of a window or control.
std::wstring windowText(HWND window);

// Returns: the outer rectangle of a window whose client area is width × height at
// `dpi` (its frame and caption as large as they are drawn there), centred on the work
// area of the screen that holds `beside` (the primary one for null).  Its top never
// lies above the work area's, so the title bar stays in reach even when the window is
// taller than the screen; nor its left beyond the work area's left.
RECT centredWindow(int width, int height, DWORD style, DWORD exStyle, bool menu, HWND beside, int dpi = 96);

// Makes a modal window of the registered class `className` for `self` (the object its
// messages go to), titled `title`, with a client area of width × height pixels centred
// on `owner`'s screen; shows it with the focus on its first tab stop and runs its
// messages (Tab, Enter, Esc and the space bar as in a dialog) until it is destroyed,
// with `owner` taking no input meanwhile.  A WM_QUIT met on the way is posted again
// for the main loop.
void showModal(HWND owner, const wchar_t *className, const wchar_t *title, int width, int height, void *self,
               int dpi = 96);

// Moves a window to the rectangle the system suggests with WM_DPICHANGED (`lParam`).
void takeSuggestedRect(HWND window, LPARAM lParam);

// Ends a modal window: gives the owner its input back first, so that Windows
// activates the owner and not some other program, then destroys the window.
void endModal(HWND dialog);

// Names a control for screen readers where its text cannot (an edit box, a list).
void setAccessibleName(HWND control, const wchar_t *name);

} // namespace ortelana::win32
