// Where bench_minimal.exe writes its numbers, shared with bench_start, which looks
// for them on the screen: plain values, no Win32 or Qt.
#pragma once

namespace minimal {

inline constexpr int Count = 366;
inline constexpr int Columns = 24, CellWidth = 26, CellHeight = 22, Margin = 8;
inline constexpr unsigned long Ink = 0x400040;   // 0x00BBGGRR: the day numbers' ink
// The numbers' rows are drawn down to here (the top of the last row, from the first).
inline constexpr int LastRowTop = (Count - 1) / Columns * CellHeight;

} // namespace minimal
