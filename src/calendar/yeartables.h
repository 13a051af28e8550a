// The fixed tables of the calendar: month lengths and names, weekday abbreviations,
// the animals of the twelve-year cycle and the caption that names a year's animal.
#pragma once

#include <array>
#include <string_view>

namespace ortelana {

// Index 1 to 12 (index 0 unused).  Names in the genitive, as they follow "ГОД".
// The rabbit is written with a Latin capital O as its third letter, as the program
// always has; keep it, people compare captions.
inline constexpr std::array<std::string_view, 13> ZodiacName = {
    "", "ПЕТУХА", "СОБАКИ", "КАБАНА", "КРЫСЫ", "ВОЛА", "ТИГРА",
    "КР" "O" "ЛИКА", "ДРАКОНА", "ЗМЕИ", "ЛОШАДИ", "ОВЦЫ", "ОБЕЗЬЯНЫ",
};

// Days of each month, index 1 (January) to 12 (December); February's 0 stands for
// "the year's own", 28 or 29.
inline constexpr std::array<int, 13> FixedMonthDays{0, 31, 0, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Index 0 (January) to 11 (December).
inline constexpr std::array<std::string_view, 12> MonthName = {
    "Январь", "Февраль", "Март", "Апрель", "Май", "Июнь",
    "Июль", "Август", "Сентябрь", "Октябрь", "Ноябрь", "Декабрь",
};

// Seven two-letter pieces, Monday first.
inline constexpr std::string_view WeekdayAbbreviations = "ПнВтСрЧтПтСбВс";

// Stands before the animal's name: a blank, "н.", a blank, "э.", two blanks, "ГОД", a blank.
inline constexpr std::string_view CaptionPrefix = " н. э.  ГОД ";

} // namespace ortelana
