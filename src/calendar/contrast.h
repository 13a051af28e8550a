// What the program's fixed ink is drawn on, for both programs.  The ink keeps its
// colours on every theme (they are the program's look): the day numbers, weekday
// abbreviations and week numbers need 4.5:1 against what lies under them, the month
// names and red days 3:1.  The theme's button face is the surface wherever it gives
// that (the usual light faces always do); a dark or high-contrast theme gets the
// light default face instead.  Texts that follow the theme stay on its surfaces;
// where a surface is fixed (the About window's grey) they turn black when the theme's
// own text would not be readable there.
#pragma once

#include "calendar/colours.h"

namespace ortelana {

// The light button face the ink was made for.
inline constexpr Colour DefaultFace = 0xEFEFEF;

// Returns: the WCAG contrast ratio of two colours, 1 to 21.
double contrastRatio(Colour a, Colour b);

// Returns: the surface for the fixed ink on a theme whose button face is `face`.
Colour inkSurface(Colour face);

// Returns: `text` if it is readable (4.5:1) on `surface`, otherwise black.
Colour readableText(Colour text, Colour surface);

} // namespace ortelana
