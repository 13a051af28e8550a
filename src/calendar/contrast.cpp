// Contrast by the WCAG formula, over the program's 0x00BBGGRR colours.
#include "calendar/contrast.h"

#include <algorithm>
#include <cmath>

namespace ortelana {

namespace {

double luminance(Colour colour)
{
    const auto linear = [](Colour byte) {
        const double c = double(byte & 0xFF) / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour) + 0.7152 * linear(colour >> 8) + 0.0722 * linear(colour >> 16);
}

} // namespace

double contrastRatio(Colour a, Colour b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Colour inkSurface(Colour face)
{
    for (const Colour ink : {colors::DayNumber, colors::DarkBlue, colors::WeekNumber})
        if (contrastRatio(ink, face) < 4.5)
            return DefaultFace;
    for (const Colour ink : {colors::Purple, colors::Red})
        if (contrastRatio(ink, face) < 3.0)
            return DefaultFace;
    return face;
}

Colour readableText(Colour text, Colour surface)
{
    return contrastRatio(text, surface) >= 4.5 ? text : 0x000000;
}

} // namespace ortelana
