// The program's fixed colours, written the way its tables give them: 0x00BBGGRR,
// blue in the high byte and red in the low byte.
#pragma once

#include <cstdint>

namespace ortelana {

using Colour = std::uint32_t;

// Not a colour of its own: the background of whatever is drawn on (the system colour
// of button faces on a window, white on paper).
inline constexpr Colour BackColour = 0x8000000F;

namespace colors {
inline constexpr Colour Red = 0x0000FF;          // Sundays, 9 May
inline constexpr Colour DarkBlue = 0xC00000;     // weekday abbreviations
inline constexpr Colour Purple = 0xC000C0;       // month names
inline constexpr Colour DayNumber = 0x400040;    // dark purple
inline constexpr Colour WeekNumber = 0x7A1200;
inline constexpr Colour LightGrey = 0xE0E0E0;
inline constexpr Colour Blue = 0xFF0000;
inline constexpr Colour White = 0xFFFFFF;
inline constexpr Colour Black = 0x000000;
} // namespace colors

} // namespace ortelana
