// Surfaces under fixed ink.
#include "ui/surface.h"

#include "ui/vbcolor.h"

#include <QPalette>

#include <algorithm>
#include <cmath>

namespace ortelana {

namespace {
// Fusion's button face on its default palette: the light surface the ink was made for.
constexpr QRgb DefaultFace = qRgb(0xEF, 0xEF, 0xEF);

double luminance(const QColor &colour)
{
    const auto linear = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

bool carriesInk(const QColor &surface)
{
    for (const std::uint32_t ink : {colors::DayNumber, colors::DarkBlue, colors::WeekNumber})
        if (contrastRatio(vbColor(ink), surface) < 4.5)
            return false;
    for (const std::uint32_t ink : {colors::Purple, colors::Red})
        if (contrastRatio(vbColor(ink), surface) < 3.0)
            return false;
    return true;
}
} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor inkSurface(const QPalette &palette)
{
    const QColor face = palette.color(QPalette::Button);
    return carriesInk(face) ? face : QColor(DefaultFace);
}

QColor readableText(const QPalette &palette, const QColor &surface)
{
    const QColor text = palette.color(QPalette::WindowText);
    return contrastRatio(text, surface) >= 4.5 ? text : QColor(Qt::black);
}

} // namespace ortelana
