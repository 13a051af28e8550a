// Where the controls of the three windows stand: rectangles in pixels of each window's
// client area at 96 dots per inch.  Both faces place their controls here.
#pragma once

#include "calendar/sheetgeometry.h"

namespace ortelana::layout {

struct Rect
{
    int x = 0, y = 0, width = 0, height = 0;
};

namespace mainwindow {
inline constexpr Rect Client{0, 0, 634, 508};
inline constexpr Rect Banner{0, 0, sheet::OuterWidth, 73};
inline constexpr Rect Sheet{0, 77, sheet::OuterWidth, sheet::OuterHeight};
inline constexpr Rect YearLabel{8, 480, 38, 20};
inline constexpr Rect YearBox{48, 474, 89, 31};
inline constexpr Rect Caption{144, 480, 225, 25};
inline constexpr Rect OldStyle{376, 480, 129, 17};
} // namespace mainwindow

namespace weeks {
inline constexpr Rect Client{0, 0, 328, 260};
inline constexpr Rect List{8, 8, 105, 244};
inline constexpr Rect Month{136, 8, 183, 20};
inline constexpr Rect Picture{128, 32, 185, 169};   // border included
inline constexpr Rect OK{240, 216, 81, 33};
} // namespace weeks

namespace about {
inline constexpr Rect Client{0, 0, 356, 209};
inline constexpr Rect Emblem{16, 8, 71, 126};
inline constexpr Rect Link{152, 56, 183, 20};
inline constexpr Rect Separator{8, 152, 337, 2};   // a dark line over a light one
inline constexpr Rect Flag{8, 160, 80, 45};
inline constexpr Rect OK{256, 164, 89, 33};
} // namespace about

} // namespace ortelana::layout
