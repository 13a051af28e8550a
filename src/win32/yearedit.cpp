// The year box's subclass: character filter, Enter, pastes.
#include "win32/yearedit.h"

#include "calendar/yearmath.h"

#include <commctrl.h>

#include <algorithm>

namespace ortelana::win32 {

namespace {

std::wstring windowText(HWND window)
{
    std::wstring text(std::size_t(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(window, text.data(), int(text.size()))));
    return text;
}

// What the box held when it last held an allowed text, to go back to.
struct Guard
{
    std::wstring text;
    DWORD start = 0, end = 0;
    bool checking = false;   // the check's own messages are not checked again
};

// Text that reaches the box past the filter (Shift+Insert, the context menu, a paste
// message, dragging) stands only when it is digits within the limit; any other change
// is undone whole, and the box holds what it held before.
void check(HWND edit, Guard &guard)
{
    const std::wstring now = windowText(edit);
    if (now != guard.text) {
        if (!yearTextAllowed(now)) {
            SetWindowTextW(edit, guard.text.c_str());
            SendMessageW(edit, EM_SETSEL, guard.start, guard.end);
            return;
        }
        guard.text = now;
    }
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&guard.start), reinterpret_cast<LPARAM>(&guard.end));
}

LRESULT CALLBACK procedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
{
    auto *guard = reinterpret_cast<Guard *>(data);
    switch (message) {
    case WM_GETDLGCODE: {
        // Enter is the box's own key, not the window's default button; Tab still moves on.
        const auto *key = reinterpret_cast<const MSG *>(lParam);
        const LRESULT code = DefSubclassProc(edit, message, wParam, lParam);
        return key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN ? code | DLGC_WANTALLKEYS : code;
    }
    case WM_KEYDOWN:
        if (wParam == VK_RETURN && GetWindowTextLengthW(edit) > 0) {
            const HWND parent = GetParent(edit);
            SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(edit), YearConfirmed),
                         reinterpret_cast<LPARAM>(edit));
            // A confirmed year starts a fresh undo history.
            SendMessageW(edit, EM_EMPTYUNDOBUFFER, 0, 0);
            return 0;
        }
        break;
    case WM_CHAR:
        if (!passesFilter(static_cast<short>(wParam)))
            return 0;   // discarded: nothing inserted, nothing reported
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(edit, &procedure, 0);
        delete guard;
        return DefSubclassProc(edit, message, wParam, lParam);
    default:
        break;
    }
    const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
    if (guard->checking)
        return result;
    guard->checking = true;
    check(edit, *guard);
    guard->checking = false;
    return result;
}

} // namespace

bool yearTextAllowed(const std::wstring &text)
{
    return int(text.size()) <= kYearDigits
           && std::all_of(text.begin(), text.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; });
}

HWND createYearEdit(HWND parent, const RECT &place, int id)
{
    const HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
                                      place.left, place.top, place.right - place.left, place.bottom - place.top, parent,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (!edit)
        return nullptr;
    // The seven-digit limit is the guard's alone: the box's own limit would cut a longer
    // paste down to seven digits and let it in, where it must change nothing.
    SetWindowSubclass(edit, &procedure, 0, reinterpret_cast<DWORD_PTR>(new Guard));
    return edit;
}

} // namespace ortelana::win32
