// What the program's window classes share: the window procedure that hands each
// message to its C++ object, class registration, centring on the screen, and the
// modal loop of the dialogs.
#pragma once

#include <windows.h>

namespace ortelana::win32 {

// The layout's pixels (at 96 dots per inch) on the screen the program runs on: the
// program is aware of the screen's density, so it scales its windows itself.
struct Scale
{
    int dpi = 96;
    int px(int length) const { return MulDiv(length, dpi, 96); }
    RECT at(int left, int top, int width, int height) const
    {
        return RECT{px(left), px(top), px(left + width), px(top + height)};
    }
};

// Returns: the scale of the screen (its dots per inch as the system gives them).
Scale screenScale();

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

// Returns: the outer rectangle of a window whose client area is width × height,
// centred on the work area of the screen that holds `beside` (the primary one for null).
RECT centredWindow(int width, int height, DWORD style, DWORD exStyle, bool menu, HWND beside);

// Makes a modal window of the registered class `className` for `self` (the object its
// messages go to), titled `title`, with a client area of width × height pixels centred
// on `owner`'s screen; shows it and runs its messages (Tab, Enter and Esc as in a
// dialog) until it is destroyed, with `owner` taking no input meanwhile.  A WM_QUIT
// met on the way is posted again for the main loop.
void showModal(HWND owner, const wchar_t *className, const wchar_t *title, int width, int height, void *self);

// Ends a modal window: gives the owner its input back first, so that Windows
// activates the owner and not some other program, then destroys the window.
void endModal(HWND dialog);

// Names a control for screen readers where its text cannot (an edit box, a list).
void setAccessibleName(HWND control, const wchar_t *name);

} // namespace ortelana::win32
