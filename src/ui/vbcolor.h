// Colours written the way the calendar's tables give them: 0x00BBGGRR, blue in the
// high byte and red in the low byte.
#pragma once

#include <QColor>
#include <cstdint>

namespace ortelana {

// Returns: the colour of a 0x00BBGGRR value.
constexpr QRgb bgrToRgb(std::uint32_t bgr) noexcept
{
    return qRgb(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

inline QColor vbColor(std::uint32_t bgr) { return QColor(bgrToRgb(bgr)); }

namespace colors {
inline constexpr std::uint32_t Red = 0x0000FF;          // Sundays, 9 May
inline constexpr std::uint32_t DarkBlue = 0xC00000;     // weekday abbreviations
inline constexpr std::uint32_t Purple = 0xC000C0;       // month names
inline constexpr std::uint32_t DayNumber = 0x400040;    // dark purple
inline constexpr std::uint32_t WeekNumber = 0x7A1200;
inline constexpr std::uint32_t LightGrey = 0xE0E0E0;
inline constexpr std::uint32_t Blue = 0xFF0000;
inline constexpr std::uint32_t White = 0xFFFFFF;
} // namespace colors

} // namespace ortelana
