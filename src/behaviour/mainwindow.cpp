// The main window's year and its steps.
#include "behaviour/mainwindow.h"

namespace ortelana {

bool MainWindowState::show(std::string_view text)
{
    const std::optional<long long> value = parseYear(text);
    if (value)
        year = computeYear(*value);
    return value.has_value();
}

std::optional<long long> MainWindowState::step(int by) const
{
    const long long next = std::clamp<long long>(year.year + by, kFirstYear, kLastYear);
    if (year.year == 0 || next == year.year)
        return std::nullopt;
    return next;
}

int MainWindowState::wheel(int delta)
{
    wheelTravel += delta;
    const int notches = wheelTravel / WheelNotch;   // whole notches, towards zero
    wheelTravel -= notches * WheelNotch;
    return -notches;
}

std::string MainWindowState::description() const
{
    // The old style is said while it moves every day of the year.
    return "Календарь на " + std::to_string(year.year) + " год"
           + (year.offersOldStyle && oldStyle ? " по старому стилю" : "");
}

std::string MainWindowState::news() const
{
    return std::to_string(year.year) + year.caption;
}

} // namespace ortelana
