// The year box: a standard edit control, seven characters at most, whose typed
// characters pass a filter (digits and the codes up to 8, such as Backspace and
// Ctrl+C, go through; everything else is dropped in silence), and where any other
// change (a paste by Shift+Insert or the context menu) stands only when the text stays
// digits within the limit.  Enter with a non-empty text is reported to the parent as
// WM_COMMAND with YearConfirmed.
#pragma once

#include <windows.h>

#include <string>

namespace ortelana::win32 {

inline constexpr WORD YearConfirmed = 0x4001;   // the notification code

// Returns: whether a typed character code (signed 16-bit) goes into the box.
constexpr bool passesFilter(int code) noexcept { return code <= 8 || (code >= '0' && code <= '9'); }

// Returns: whether the box may hold `text`: digits, seven at most.
bool yearTextAllowed(const std::wstring &text);

// Makes a year box at `place` under `parent`, with control id `id`.
HWND createYearEdit(HWND parent, const RECT &place, int id);

} // namespace ortelana::win32
