// The About window's texts and the week picture's name.
#include "behaviour/words.h"

#include "calendar/yeartables.h"
#include "version.h"

namespace ortelana::words {

std::vector<AboutLabel> aboutLabels()
{
    const std::string version = std::string("v") + Version;
    return {
        {3, {104, 8, 242, 20}, std::string("Автор: ") + Author, ""},
        {4, {104, 32, 242, 20}, std::string("E-mail: ") + Email, std::string("Электронная почта: ") + Email},
        {5, {104, 56, 48, 20}, "Сайт:", std::string("Сайт: ") + Slogan},
        {6, {104, 80, 104, 20}, "Версия: " + version, "Версия программы: " + version},
        {7, {104, 104, 236, 20}, "Дата: 8 февраля 2009 год -", ""},
        {0, {156, 128, 170, 20}, "26 августа 2015 год", ""},
    };
}

std::string weeksPictureName(int month0)
{
    return "Дни и номера недель: " + std::string(MonthName[std::size_t(month0)]);
}

} // namespace ortelana::words
