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

std::array<int, 12> YearModel::monthStarts(bool oldStyleChecked) const noexcept
{
    std::array<int, 12> starts{};
    int first = drawingStart(oldStyleChecked);
    for (int k = 0; k < 12; ++k) {
        starts[std::size_t(k)] = first;
        first = layOut(k, first).nextStart;   // as the sheet chains its months
    }
    return starts;
}

} // namespace ortelana
