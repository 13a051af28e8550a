// Spoken names of days and week numbers, and numbers as the program writes them.
#include "calendar/scene.h"

#include <array>

namespace ortelana {

namespace {
constexpr std::array<const char *, 7> Weekdays = {
    "понедельник", "вторник", "среда", "четверг", "пятница", "суббота", "воскресенье",
};
// Month names in the genitive, as they follow the day.
constexpr std::array<const char *, 12> MonthsOf = {
    "января", "февраля", "марта", "апреля", "мая", "июня",
    "июля", "августа", "сентября", "октября", "ноября", "декабря",
};
} // namespace

std::string writtenNumber(long long number)
{
    // The sign place is a blank for a number that is not negative.
    const std::string digits = std::to_string(number);
    return (number < 0 ? digits : ' ' + digits) + ' ';
}

std::string weekdayName(int weekday)
{
    return weekday >= 1 && weekday <= 7 ? Weekdays[std::size_t(weekday - 1)] : std::string();
}

std::string spokenName(long long year, const SceneCell &cell)
{
    if (cell.day == 0)
        return "неделя " + std::to_string(cell.week);
    std::string name = weekdayName(cell.weekday) + ", " + std::to_string(cell.day) + ' '
                       + MonthsOf[std::size_t(cell.month - 1)] + ' ' + std::to_string(year) + " года";
    // A Sunday is red by its weekday, which the name already says.
    if (cell.victoryDay)
        name += ", День Победы";
    if (cell.weekInName)
        name += ", неделя " + std::to_string(cell.week);
    return name;
}

} // namespace ortelana
