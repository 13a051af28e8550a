// Command-line parsing, by hand: the options are few, and the help text and every
// message are the program's own, in Russian.
#include "app/commandline.h"

#include "calendar/yearmath.h"
#include "output/sheetexport.h"
#include "ui/messagetext.h"
#include "version.h"

#include <algorithm>

namespace ortelana {

namespace {

struct Option
{
    const char *name;
    bool takesValue;
    const char *valueName;   // for "после --year нужно …"
};

constexpr Option Options[] = {
    {"--export", true, "имя файла"}, {"--year", true, "число года"}, {"--old-style", true, "on или off"},
    {"--help", false, ""}, {"--version", false, ""},
};

// An argument as the user typed it, for messages; bytes that are no UTF-8 show as "?".
QString shown(const QByteArray &argument)
{
    return quotedInMessage(argument);
}

// Whether the argument after an option is its value: a following option never is
// ("--export --year 5"), a negative number is ("--year -1" names the bad year).
bool isValue(const QByteArray &argument)
{
    return !argument.startsWith('-') || (argument.size() > 1 && argument[1] >= '0' && argument[1] <= '9');
}

CommandLine refusal(const QString &message)
{
    CommandLine result;
    result.action = CommandLine::Action::Refuse;
    result.exitCode = 2;
    result.message = QStringLiteral("ortelana: ") + message;
    return result;
}

} // namespace

CommandLine parseCommandLine(const QList<QByteArray> &arguments, long long currentYear)
{
    // First pass: split into options with their values and plain arguments.
    struct Given
    {
        QByteArray value;
        bool set = false;
    };
    Given given[std::size(Options)];
    QList<QByteArray> unknown;     // options we do not know
    QList<QByteArray> plain;       // arguments that are no option
    QString mistake;               // the first mistake with a known option
    bool optionsEnded = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QByteArray &argument = arguments[i];
        if (optionsEnded || !argument.startsWith('-') || argument == "-") {
            plain.append(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        const qsizetype equals = argument.indexOf('=');
        const QByteArray name = equals < 0 ? argument : argument.left(equals);
        const auto known = std::find_if(std::begin(Options), std::end(Options),
                                        [&name](const Option &option) { return name == option.name; });
        if (known == std::end(Options)) {
            unknown.append(argument);
            continue;
        }
        Given &slot = given[known - std::begin(Options)];
        if (slot.set && mistake.isEmpty())
            mistake = QStringLiteral("%1 указан дважды").arg(shown(name));
        slot.set = true;
        if (!known->takesValue) {
            if (equals >= 0 && mistake.isEmpty())
                mistake = QStringLiteral("%1 не принимает значения").arg(shown(name));
            continue;
        }
        if (equals >= 0) {
            slot.value = argument.mid(equals + 1);
        } else if (i + 1 < arguments.size() && isValue(arguments[i + 1])) {
            slot.value = arguments[++i];
        } else if (mistake.isEmpty()) {
            // A following option is never taken as the value: "--export --year 5".
            mistake = QStringLiteral("после %1 нужно %2").arg(shown(name), QString::fromUtf8(known->valueName));
        }
    }
    const Given &exportTo = given[0];
    const Given &year = given[1];
    const Given &oldStyle = given[2];

    CommandLine result;
    if (given[3].set) {
        result.action = CommandLine::Action::Help;
        return result;
    }
    if (given[4].set) {
        result.action = CommandLine::Action::Version;
        return result;
    }
    if (!mistake.isEmpty())
        return refusal(mistake);
    // Outside export a launcher may pass anything (a file name, an option of its own):
    // the window opens as always.  An export does only what it was asked, exactly.
    if (exportTo.set) {
        if (!unknown.isEmpty())
            return refusal(QStringLiteral("неизвестный параметр «%1»").arg(shown(unknown.front())));
        if (!plain.isEmpty())
            return refusal(QStringLiteral("лишний аргумент «%1»").arg(shown(plain.front())));
        if (exportTo.value.isEmpty())
            return refusal(QStringLiteral("после --export нужно имя файла"));
        if (!isExportFormat(exportTo.value))
            return refusal(QStringLiteral("неизвестный формат «%1»: нужен .png или .pdf").arg(shown(exportTo.value)));
    }

    SheetRequest request{currentYear, true};
    if (year.set) {
        const std::optional<long long> parsed = parseYear(std::string_view(year.value.constData(), std::size_t(year.value.size())));
        if (!parsed)
            return refusal(QStringLiteral("год должен быть числом от %1 до %2, а не «%3»").arg(kFirstYear).arg(kLastYear).arg(shown(year.value)));
        request.year = *parsed;
    }
    if (oldStyle.set) {
        if (oldStyle.value != "on" && oldStyle.value != "off")
            return refusal(QStringLiteral("--old-style принимает on или off, а не «%1»").arg(shown(oldStyle.value)));
        request.oldStyle = oldStyle.value == "on";
    }
    if (exportTo.set) {
        result.action = CommandLine::Action::Export;
        result.file = exportTo.value;
        result.request = request;
    } else if (year.set || oldStyle.set) {
        result.start = request;
    }
    return result;
}

QByteArray helpText()
{
    return QByteArrayLiteral("Ортелана — вечный календарь: весь год на одном листе, любой год от ")
           + QByteArray::number(kFirstYear) + " до " + QByteArray::number(kLastYear) + ".\n"
           + QByteArrayLiteral(
        "\n"
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
        "  ortelana --export 1917.pdf --year 1917 --old-style off\n");
}

QByteArray versionText()
{
    return QByteArrayLiteral("ortelana ") + Version + QByteArrayLiteral("\nЛицензия MIT.\n");
}

} // namespace ortelana
