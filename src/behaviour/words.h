// The words both windows show and speak beyond the calendar's own: titles, labels,
// names for screen readers, the one message and the About window's texts.  UTF-8.
#pragma once

#include "behaviour/layout.h"
#include "calendar/yeartables.h"
#include "cli/version.h"

#include <string>
#include <string_view>
#include <vector>

namespace ortelana::words {

inline constexpr char ProgramTitle[] = "Ортелана";
inline constexpr char WeeksTitle[] = "Номера недель";
inline constexpr char AboutTitle[] = "О программе";
inline constexpr char YearLabel[] = "Год:";
inline constexpr char YearBoxName[] = "Год";
inline constexpr char OldStyle[] = "Старый стиль";
inline constexpr char OldStyleDescription[] = "Снятая отметка сдвигает весь год на один день недели раньше";
inline constexpr char SheetName[] = "Календарь";
inline constexpr char MonthListName[] = "Месяц";
inline constexpr char BannerDescription[] = "Заголовок программы";
inline constexpr char FlagName[] = "Флаг России: белая, синяя и красная полосы";
inline constexpr char ErrorTitle[] = "Ошибка";
inline constexpr char ZeroYear[] = "Нулевого года не существует.";
inline constexpr char PrintFailed[] = "Не удалось напечатать лист.";

// Returns: the title of the print job for `year` as a print queue shows it, and of the
// PDF: «Ортелана 2005».
inline std::string printJobTitle(long long year)
{
    std::string title = ProgramTitle;
    title += ' ';
    title += std::to_string(year);
    return title;
}

// Why a file was not written, where both programs see the same cause: the system's
// reason, or the target being one the programs never replace.
inline constexpr char NoSpace[] = "Нет места на устройстве";
inline constexpr char NoSuchPath[] = "Нет такого файла или каталога";
inline constexpr char AccessDenied[] = "Отказано в доступе";
inline constexpr char ReadOnlyFileSystem[] = "Файловая система только для чтения";
inline constexpr char IsFolder[] = "это папка";
inline constexpr char ReadOnlyFile[] = "файл только для чтения";

// Returns: the command line's one line for a file the export could not write.
inline std::string exportFailure(std::string_view file, std::string_view reason)
{
    return std::string("ortelana: не удаётся записать «").append(file).append("»: ").append(reason);
}

// Returns: a window's sentence for a file that could not be written.
inline std::string writeFailure(std::string_view file, std::string_view reason)
{
    return std::string("Не удаётся записать «").append(file).append("»: ").append(reason).append(".");
}

// Who makes the program and where to find it.  The project has no domain of its own
// yet, so the addresses sit under example.org.
inline constexpr char Author[] = "Команда Ортеланы";
inline constexpr char Email[] = "ortelana@example.org";
inline constexpr char Slogan[] = "Вечный календарь";   // also the link to the site
inline constexpr char Site[] = "https://ortelana.example.org/";

// A text of the About window (its Label2 with this index).  A screen reader summing up
// the window passes over texts of fewer than three words, so the short ones have a
// spoken name of three; empty: the text is the name.
struct AboutLabel
{
    int index = 0;
    layout::Rect place;
    std::string text, spoken;
};

// Returns: the About window's texts besides the link, in tab order.  The author's line
// reaches as far right as the e-mail's: in Windows' MS Sans Serif it is 228 px long.
inline std::vector<AboutLabel> aboutLabels()
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

// Returns: what the week numbers window's picture is called for month `month0`.
inline std::string weeksPictureName(int month0)
{
    return std::string("Дни и номера недель: ").append(MonthName[std::size_t(month0)]);
}

} // namespace ortelana::words
