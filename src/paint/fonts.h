// The program's fonts.  Its layouts were measured in "MS Sans Serif" and
// "Times New Roman"; they are asked for by name and stand in for by free fonts of
// the same metrics class, sized in pixels so no layout depends on the screen's dpi.
#pragma once

#include <QFont>

namespace ortelana {

// Registers the free stand-ins for the two families.  Call once, before any window.
void registerFontSubstitutes();

// Returns: "MS Sans Serif" at the given pixel size.
QFont sansSerifFont(int pixelSize, bool bold, bool underline = false);

// Pixel sizes of the point sizes the layouts use, at 96 dpi.
namespace fontpx {
inline constexpr int Pt9_75 = 13;
inline constexpr int Pt12 = 16;
inline constexpr int Pt13_5 = 18;
} // namespace fontpx

} // namespace ortelana
