// Surfaces under fixed ink, for Qt's colours.
#include "paint/surface.h"

#include "calendar/contrast.h"
#include "paint/vbcolor.h"

#include <QPalette>

namespace ortelana {

namespace {
Colour toColour(const QColor &colour)
{
    return Colour(colour.red()) | Colour(colour.green()) << 8 | Colour(colour.blue()) << 16;
}
} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    return contrastRatio(toColour(a), toColour(b));
}

QColor inkSurface(const QPalette &palette)
{
    return vbColor(inkSurface(toColour(palette.color(QPalette::Button))));
}

QColor readableText(const QPalette &palette, const QColor &surface)
{
    return vbColor(readableText(toColour(palette.color(QPalette::WindowText)), toColour(surface)));
}

} // namespace ortelana
