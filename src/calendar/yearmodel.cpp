// The year model.
#include "calendar/yearmodel.h"

#include "calendar/yeartables.h"

namespace ortelana {

YearModel computeYear(long long year)
{
    YearModel model;
    model.year = year;
    model.februaryDays = februaryDays(year);
    model.yearStart = ortelana::yearStart(year);
    model.victoryDay = isVictoryDayYear(year);
    model.offersOldStyle = ortelana::offersOldStyle(year);
    model.animal = animalIndex(year);
    model.caption = std::string(CaptionPrefix) + std::string(ZodiacName[std::size_t(model.animal)]);
    return model;
}

int YearModel::monthDays(int m) const noexcept
{
    return m == 2 ? februaryDays : FixedMonthDays[std::size_t(m)];
}

int YearModel::drawingStart(bool oldStyleChecked) const noexcept
{
    return ortelana::drawingStart(yearStart, offersOldStyle, oldStyleChecked);
}

MonthLayout YearModel::layOut(int k, int first) const noexcept
{
    return layOutMonth(first, monthDays(k + 1), isRedNinth(victoryDay, k + 1));
}

std::array<MonthLayout, 12> YearModel::months(bool oldStyleChecked) const noexcept
{
    std::array<MonthLayout, 12> drawn{};
    int first = drawingStart(oldStyleChecked);
    for (int k = 0; k < 12; ++k) {
        drawn[std::size_t(k)] = layOut(k, first);
        first = drawn[std::size_t(k)].nextStart;
    }
    return drawn;
}

std::array<int, 12> YearModel::monthStarts(bool oldStyleChecked) const noexcept
{
    std::array<int, 12> starts{};
    const std::array<MonthLayout, 12> drawn = months(oldStyleChecked);
    for (std::size_t k = 0; k < 12; ++k)
        starts[k] = drawn[k].first;
    return starts;
}

} // namespace ortelana
