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

std::wstring clipboardText(HWND owner)
{
    std::wstring text;
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(owner))
        return text;
    if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto *chars = static_cast<const wchar_t *>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

// The text the box would hold after pasting `pasted` over its selection.
std::wstring afterPaste(HWND edit, const std::wstring &pasted)
{
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    std::wstring text = windowText(edit);
    start = std::min<DWORD>(start, DWORD(text.size()));
    end = std::min<DWORD>(std::max(end, start), DWORD(text.size()));
    return text.substr(0, start) + pasted + text.substr(end);
}

LRESULT CALLBACK procedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
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
    case WM_PASTE:
        // Shift+Insert and the context menu paste without a typed character.
        if (!pasteAllowed(afterPaste(edit, clipboardText(edit)), kYearDigits))
            return 0;
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(edit, &procedure, 0);
        break;
    default:
        break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

} // namespace

bool pasteAllowed(const std::wstring &result, int limit)
{
    return int(result.size()) <= limit
           && std::all_of(result.begin(), result.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; });
}

HWND createYearEdit(HWND parent, const RECT &place, int id)
{
    const HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
                                      place.left, place.top, place.right - place.left, place.bottom - place.top, parent,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (!edit)
        return nullptr;
    SendMessageW(edit, EM_LIMITTEXT, kYearDigits, 0);
    SetWindowSubclass(edit, &procedure, 0, 0);
    return edit;
}

} // namespace ortelana::win32
