// The year box's subclass: typed characters, Enter, pastes.
#include "win32/yearedit.h"

#include "behaviour/mainwindow.h"
#include "win32/text.h"
#include "win32/windowbase.h"

#include <commctrl.h>

namespace ortelana::win32 {

namespace {

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
        if (!yearTextAllowed(narrow(now))) {
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
        if (wParam == VK_RETURN) {
            const HWND parent = GetParent(edit);
            SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(edit), YearConfirmed),
                         reinterpret_cast<LPARAM>(edit));
            // A confirmed year starts a fresh undo history.
            SendMessageW(edit, EM_EMPTYUNDOBUFFER, 0, 0);
            return 0;
        }
        break;
    case WM_CHAR:
        switch (typedCharacter(static_cast<short>(wParam))) {
        case Typed::Keep:
            break;
        case Typed::Erase: {
            // The edit control erases on Backspace's character only without Ctrl, so
            // Ctrl+H's is done here: the selection, or the character before the caret.
            DWORD start = 0, end = 0;
            SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
            if (start == end && start > 0)
                SendMessageW(edit, EM_SETSEL, start - 1, end);
            SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L""));
            return 0;
        }
        case Typed::Drop:
            return 0;   // discarded: nothing inserted, nothing reported
        }
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

HWND createYearEdit(HWND parent, const RECT &place, int id, HFONT font)
{
    const HWND edit = makeControl(parent, L"EDIT", L"", WS_TABSTOP | ES_AUTOHSCROLL, place, id, font, WS_EX_CLIENTEDGE);
    if (!edit)
        return nullptr;
    // The seven-digit limit is the guard's alone: the box's own limit would cut a longer
    // paste down to seven digits and let it in, where it must change nothing.
    SetWindowSubclass(edit, &procedure, 0, reinterpret_cast<DWORD_PTR>(new Guard));
    return edit;
}

} // namespace ortelana::win32
