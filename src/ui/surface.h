// What the program's fixed ink is drawn on.  The ink keeps its colours on every
// palette (they are the program's look): the day numbers, weekday abbreviations and
// week numbers need 4.5:1 against what lies under them, the month names and red days
// 3:1.  The palette's button face is the surface wherever it gives that (on the
// default palette it always does); a dark or high-contrast palette gets the light
// face of the default palette instead.  Texts that follow the palette stay on the
// palette's own surfaces; where a surface is fixed (the About window's light grey)
// they take a dark text when the palette's own would not be readable.
#pragma once

#include <QColor>

class QPalette;

namespace ortelana {

// Returns: the WCAG contrast ratio of two colours, 1 to 21.
double contrastRatio(const QColor &a, const QColor &b);

// Returns: the background for a picture of fixed ink under `palette`.
QColor inkSurface(const QPalette &palette);

// Returns: the palette's window text if it is readable (4.5:1) on `surface`,
// otherwise black.
QColor readableText(const QPalette &palette, const QColor &surface);

} // namespace ortelana
