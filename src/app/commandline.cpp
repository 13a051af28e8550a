// Command-line parsing.
#include "app/commandline.h"

#include "app/yearbox.h"

#include <QCommandLineParser>
#include <QRegularExpression>

#include <cstring>

namespace ortelana {

std::optional<long long> parseYear(const QString &text)
{
    static const QRegularExpression digits(
        QStringLiteral("\\A[0-9]{1,%1}\\z").arg(YearBox::MaxDigits));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    const long long year = text.toLongLong();
    if (year == 0)
        return std::nullopt;
    return year;
}

bool runsWithoutWindow(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const char *arg = argv[i];
        for (const char *option : {"--export", "-h", "--help", "-v", "--version"}) {
            const std::size_t length = std::strlen(option);
            if (std::strncmp(arg, option, length) == 0 && (arg[length] == '\0' || arg[length] == '='))
                return true;
        }
    }
    return false;
}

CommandLine parseCommandLine(const QStringList &arguments, long long currentYear)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Ортелана — вечный календарь. Без аргументов открывает окно; с --export рисует лист года в файл."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption exportTo(QStringLiteral("export"),
        QStringLiteral("Нарисовать лист года в ФАЙЛ (.png или .pdf) без окна."), QStringLiteral("ФАЙЛ"));
    const QCommandLineOption year(QStringLiteral("year"),
        QStringLiteral("Год от 1 до 9999999 (по умолчанию текущий)."), QStringLiteral("ГОД"));
    const QCommandLineOption oldStyle(QStringLiteral("old-style"),
        QStringLiteral("Флажок «Старый стиль» для лет до 1918: on (по умолчанию) или off."), QStringLiteral("on|off"));
    parser.addOptions({exportTo, year, oldStyle});

    CommandLine result;
    // Unknown options are no error: a launcher may pass anything, and the window opens
    // as always.  A known option that lacks its value is.
    const bool clean = parser.parse(arguments);
    if (parser.isSet(help)) {
        result.action = CommandLine::Action::Help;
        result.message = parser.helpText();
        return result;
    }
    if (parser.isSet(version)) {
        result.action = CommandLine::Action::Version;
        return result;
    }
    const bool exporting = parser.isSet(exportTo) || arguments.contains(QLatin1String("--export"));
    if (!exporting)
        return result;

    const auto refuse = [&result](const QString &message) {
        result.action = CommandLine::Action::Refuse;
        result.exitCode = 2;
        result.message = QStringLiteral("ortelana: ") + message;
        return result;
    };
    if (!clean && parser.unknownOptionNames().isEmpty())
        return refuse(parser.errorText());
    const QString file = parser.value(exportTo);
    if (file.isEmpty())
        return refuse(QStringLiteral("после --export нужно имя файла"));

    SheetRequest request{currentYear, true};
    if (parser.isSet(year)) {
        const std::optional<long long> parsed = parseYear(parser.value(year));
        if (!parsed)
            return refuse(QStringLiteral("год должен быть числом от 1 до 9999999, а не «%1»").arg(parser.value(year)));
        request.year = *parsed;
    }
    if (parser.isSet(oldStyle)) {
        const QString value = parser.value(oldStyle);
        if (value != QLatin1String("on") && value != QLatin1String("off"))
            return refuse(QStringLiteral("--old-style принимает on или off, а не «%1»").arg(value));
        request.oldStyle = value == QLatin1String("on");
    }
    result.action = CommandLine::Action::Export;
    result.file = file;
    result.request = request;
    return result;
}

} // namespace ortelana
