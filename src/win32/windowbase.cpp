// Window class helpers, centring, the modal loop and accessible names.
#include "win32/windowbase.h"
#include "win32/systemfunction.h"

#include <initguid.h>
#include <oleacc.h>

#include <algorithm>

namespace ortelana::win32 {

ATOM registerWindowClass(const wchar_t *name, WNDPROC procedure, HBRUSH background)
{
    WNDCLASSEXW kind{};
    kind.cbSize = sizeof(kind);
    kind.lpfnWndProc = procedure;
    kind.hInstance = GetModuleHandleW(nullptr);
    kind.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    kind.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
    kind.hIconSm = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                 GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    kind.hbrBackground = background;
    kind.lpszClassName = name;
    return RegisterClassExW(&kind);
}

Scale screenScale()
{
    const HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen)
        ReleaseDC(nullptr, screen);
    return Scale{dpi > 0 ? dpi : 96};
}

Scale windowScale(HWND window)
{
    // Windows 10 1607 and later; looked up so that the program still starts on older ones.
    using DpiForWindow = UINT(WINAPI *)(HWND);
    static const auto dpiForWindow = systemFunction<DpiForWindow>(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow");
    const int dpi = dpiForWindow && window ? int(dpiForWindow(window)) : 0;
    return dpi > 0 ? Scale{dpi} : screenScale();
}

void placeControls(const std::vector<Placed> &controls, const Scale &scale)
{
    for (const Placed &placed : controls) {
        const RECT at = scale.at(placed.place);
        SetWindowPos(placed.control, nullptr, at.left, at.top, at.right - at.left, at.bottom - at.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        if (placed.font)
            SendMessageW(placed.control, WM_SETFONT, reinterpret_cast<WPARAM>(placed.font->get()), TRUE);
    }
}

void takeSuggestedRect(HWND window, LPARAM lParam)
{
    const RECT &suggested = *reinterpret_cast<const RECT *>(lParam);
    SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND makeControl(HWND parent, const wchar_t *kind, const std::wstring &text, DWORD style, const RECT &place, int id,
                 HFONT font, DWORD exStyle)
{
    const HWND control = CreateWindowExW(exStyle, kind, text.c_str(), WS_CHILD | WS_VISIBLE | style, place.left,
                                         place.top, place.right - place.left, place.bottom - place.top, parent,
                                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                                         nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

std::wstring windowText(HWND window)
{
    std::wstring text(std::size_t(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(window, text.data(), int(text.size()))));
    return text;
}

RECT centredWindow(int width, int height, DWORD style, DWORD exStyle, bool menu, HWND beside, int dpi)
{
    RECT outer{0, 0, width, height};
    // The frame at the window's own density (Windows 10 1607 and later), else the system's.
    using AdjustForDpi = BOOL(WINAPI *)(RECT *, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi =
        systemFunction<AdjustForDpi>(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi");
    if (!adjustForDpi || !adjustForDpi(&outer, style, menu ? TRUE : FALSE, exStyle, UINT(dpi)))
        AdjustWindowRectEx(&outer, style, menu ? TRUE : FALSE, exStyle);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(beside ? MonitorFromWindow(beside, MONITOR_DEFAULTTONEAREST)
                         : MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY),
                    &monitor);
    const RECT &work = monitor.rcWork;
    const int w = outer.right - outer.left, h = outer.bottom - outer.top;
    const int left = std::max(work.left, work.left + (work.right - work.left - w) / 2);
    const int top = std::max(work.top, work.top + (work.bottom - work.top - h) / 2);
    return RECT{left, top, left + w, top + h};
}

void showModal(HWND owner, const wchar_t *className, const wchar_t *title, int width, int height, void *self, int dpi)
{
    constexpr DWORD Style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    constexpr DWORD ExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
    const RECT outer = centredWindow(width, height, Style, ExStyle, false, owner, dpi);
    const HWND dialog = CreateWindowExW(ExStyle, className, title, Style, outer.left, outer.top, outer.right - outer.left,
                                        outer.bottom - outer.top, owner, nullptr, GetModuleHandleW(nullptr), self);
    if (!dialog)
        return;
    EnableWindow(owner, FALSE);
    ShowWindow(dialog, SW_SHOW);
    // Activating the window gave it the focus itself, where no key reaches a control.
    if (!IsChild(dialog, GetFocus()))
        SetFocus(GetNextDlgTabItem(dialog, nullptr, FALSE));
    UpdateWindow(dialog);
    MSG message;
    while (IsWindow(dialog)) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(int(message.wParam));
            break;
        }
        if (got < 0)
            break;
        if (!IsDialogMessageW(dialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    EnableWindow(owner, TRUE);
}

void endModal(HWND dialog)
{
    if (const HWND owner = GetWindow(dialog, GW_OWNER))
        EnableWindow(owner, TRUE);
    DestroyWindow(dialog);
}

void setAccessibleName(HWND control, const wchar_t *name)
{
    IAccPropServices *services = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                reinterpret_cast<void **>(&services))))
        return;   // no accessibility service: the control keeps its default name
    services->SetHwndPropStr(control, DWORD(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME, name);
    services->Release();
}

} // namespace ortelana::win32
