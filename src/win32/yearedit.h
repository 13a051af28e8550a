// The year box: a standard edit control under the year box's rules
// (behaviour/mainwindow.h): typed characters go in, erase (Backspace and Ctrl+H alike) or
// are dropped in silence by their codes, and any other change (a paste by Shift+Insert
// or the context menu) stands only when it leaves a text the box may hold.  Enter is
// reported to the parent as WM_COMMAND with YearConfirmed.
#pragma once

#include <windows.h>

namespace ortelana::win32 {

inline constexpr WORD YearConfirmed = 0x4001;   // the notification code

// Makes a year box at `place` under `parent`, with control id `id`, in `font`.
HWND createYearEdit(HWND parent, const RECT &place, int id, HFONT font);

} // namespace ortelana::win32
