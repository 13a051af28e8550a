// The program's colours (0x00BBGGRR, as its tables give them) as Qt colours.
#pragma once

#include "calendar/colours.h"

#include <QColor>

namespace ortelana {

// Returns: the colour of a 0x00BBGGRR value.
constexpr QRgb bgrToRgb(Colour bgr) noexcept
{
    return qRgb(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

inline QColor vbColor(Colour bgr) { return QColor(bgrToRgb(bgr)); }

} // namespace ortelana
