// The help and version texts, written out whole: each program's help lists only what
// it does.
#include "cli/helptext.h"

#include "calendar/yearmath.h"
#include "cli/version.h"

namespace ortelana {

std::string helpText(FrontEnd frontEnd)
{
    const std::string title = "Ортелана — вечный календарь: весь год на одном листе, любой год от "
                              + std::to_string(kFirstYear) + " до " + std::to_string(kLastYear) + ".\n";
    if (frontEnd == FrontEnd::Win32)
        return title
               + "\n"
                 "Вызов:\n"
                 "  ortelana [--year ГОД] [--old-style on|off]\n"
                 "  ortelana --export ФАЙЛ.png [--year ГОД] [--old-style on|off]\n"
                 "  ortelana --help | --version\n"
                 "\n"
                 "Параметры:\n"
                 "  --year ГОД           показать год ГОД: от одной до семи цифр, не ноль\n"
                 "  --old-style on|off   флажок «Старый стиль» для лет до 1918 года\n"
                 "  --export ФАЙЛ.png    не открывая окна, нарисовать лист года в ФАЙЛ\n"
                 "  --help, --version    показать эту справку или версию\n"
                 "\n"
                 "Коды завершения: 0 успешно, 1 файл не записан, 2 ошибка в командной строке.\n";
    return title
           + "\n"
             "Вызов:\n"
             "  ortelana [--year ГОД] [--old-style on|off]\n"
             "  ortelana --export ФАЙЛ [--year ГОД] [--old-style on|off]\n"
             "  ortelana --help | --version\n"
             "\n"
             "Без параметров открывает окно с текущим годом. Аргументы, которых программа\n"
             "не знает (например, имя файла от среды рабочего стола), окна не отменяют.\n"
             "\n"
             "Параметры:\n"
             "  --year ГОД           показать год ГОД: от одной до семи цифр, не ноль;\n"
             "                       по умолчанию текущий год\n"
             "  --old-style on|off   флажок «Старый стиль» для лет до 1918 года;\n"
             "                       по умолчанию on, как при запуске окна\n"
             "  --export ФАЙЛ        не открывая окна, нарисовать лист года в ФАЙЛ;\n"
             "                       формат по расширению: .png (картинка) или .pdf\n"
             "                       (страница формата А4); прежний файл заменяется только целиком\n"
             "  --help               показать эту справку\n"
             "  --version            показать версию программы\n"
             "  --                   дальше только аргументы, не параметры\n"
             "\n"
             "Значение можно дать и через знак равенства: --year=1917.\n"
             "\n"
             "Коды завершения:\n"
             "  0   успешно\n"
             "  1   файл не записан, вывод не удался, нет дисплея для окна,\n"
             "      не хватает памяти, файловых дескрипторов или шрифтов\n"
             "  2   ошибка в командной строке (также неизвестное расширение файла)\n"
             "\n"
             "Пример:\n"
             "  ortelana --export 1917.pdf --year 1917 --old-style off\n";
}

std::string versionText()
{
    return std::string("ortelana ") + Version + "\nЛицензия MIT.\n";
}

} // namespace ortelana
