// The surface rule of calendar/contrast.h over a Qt palette: the picture areas take
// the palette's button face, or the light default face where that would not carry
// the fixed ink; texts on a fixed surface take the palette's text, or black.
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
