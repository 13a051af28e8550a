// Command-line parsing, by hand, with the Linux program's rules and messages.
#include "win32/commandline.h"

#include "calendar/yearmath.h"
#include "version.h"

#include <algorithm>
#include <array>
#include <cwctype>
#include <iterator>

namespace ortelana::win32 {

namespace {

struct Option
{
    const wchar_t *name;
    bool takesValue;
    const wchar_t *valueName;   // for "после --year нужно …"
};

constexpr std::array<Option, 5> Options{{
    {L"--export", true, L"имя файла"}, {L"--year", true, L"число года"}, {L"--old-style", true, L"on или off"},
    {L"--help", false, L""}, {L"--version", false, L""},
}};

bool startsWith(const std::wstring &text, wchar_t c) { return !text.empty() && text.front() == c; }

// Whether the argument after an option is its value: a following option never is
// ("--export --year 5"), a negative number is ("--year -1" names the bad year).
bool isValue(const std::wstring &argument)
{
    return !startsWith(argument, L'-') || (argument.size() > 1 && argument[1] >= L'0' && argument[1] <= L'9');
}

std::wstring quoted(const std::wstring &text) { return L"«" + text + L"»"; }

CommandLine refusal(const std::wstring &message)
{
    CommandLine result;
    result.action = CommandLine::Action::Refuse;
    result.exitCode = 2;
    result.message = L"ortelana: " + message;
    return result;
}

bool isPng(const std::wstring &file)
{
    if (file.size() < 5)
        return false;
    std::wstring extension = file.substr(file.size() - 4);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](wchar_t c) { return wchar_t(std::towlower(c)); });
    return extension == L".png";
}

} // namespace

std::optional<long long> parseYear(const std::wstring &text)
{
    if (text.empty() || text.size() > std::size_t(kYearDigits))
        return std::nullopt;
    if (!std::all_of(text.begin(), text.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; }))
        return std::nullopt;
    const long long year = std::stoll(text);
    if (year < kFirstYear || year > kLastYear)
        return std::nullopt;
    return year;
}

CommandLine parseCommandLine(const std::vector<std::wstring> &arguments, long long currentYear)
{
    struct Given
    {
        std::wstring value;
        bool set = false;
    };
    std::array<Given, Options.size()> given{};
    std::vector<std::wstring> unknown;   // options we do not know
    std::vector<std::wstring> plain;     // arguments that are no option
    std::wstring mistake;                // the first mistake with a known option
    bool optionsEnded = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::wstring &argument = arguments[i];
        if (optionsEnded || !startsWith(argument, L'-') || argument == L"-") {
            plain.push_back(argument);
            continue;
        }
        if (argument == L"--") {
            optionsEnded = true;
            continue;
        }
        const std::size_t equals = argument.find(L'=');
        const std::wstring name = argument.substr(0, equals);
        const auto known = std::find_if(Options.begin(), Options.end(),
                                        [&name](const Option &option) { return name == option.name; });
        if (known == Options.end()) {
            unknown.push_back(argument);
            continue;
        }
        Given &slot = given[std::size_t(known - Options.begin())];
        if (slot.set && mistake.empty())
            mistake = quoted(name) + L" указан дважды";
        slot.set = true;
        if (!known->takesValue) {
            if (equals != std::wstring::npos && mistake.empty())
                mistake = quoted(name) + L" не принимает значения";
            continue;
        }
        if (equals != std::wstring::npos) {
            slot.value = argument.substr(equals + 1);
        } else if (i + 1 < arguments.size() && isValue(arguments[i + 1])) {
            slot.value = arguments[++i];
        } else if (mistake.empty()) {
            mistake = L"после " + quoted(name) + L" нужно " + known->valueName;
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
    if (!mistake.empty())
        return refusal(mistake);
    // Outside export a launcher may pass anything (a file name, an option of its own):
    // the window opens as always.  An export does only what it was asked, exactly.
    if (exportTo.set) {
        if (!unknown.empty())
            return refusal(L"неизвестный параметр " + quoted(unknown.front()));
        if (!plain.empty())
            return refusal(L"лишний аргумент " + quoted(plain.front()));
        if (exportTo.value.empty())
            return refusal(L"после --export нужно имя файла");
        if (!isPng(exportTo.value))
            return refusal(L"неизвестный формат " + quoted(exportTo.value) + L": нужен .png");
    }

    StartRequest request{currentYear, true};
    if (year.set) {
        const std::optional<long long> parsed = parseYear(year.value);
        if (!parsed)
            return refusal(L"год должен быть числом от " + std::to_wstring(kFirstYear) + L" до "
                           + std::to_wstring(kLastYear) + L", а не " + quoted(year.value));
        request.year = *parsed;
    }
    if (oldStyle.set) {
        if (oldStyle.value != L"on" && oldStyle.value != L"off")
            return refusal(L"--old-style принимает on или off, а не " + quoted(oldStyle.value));
        request.oldStyle = oldStyle.value == L"on";
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

std::wstring helpText()
{
    return L"Ортелана — вечный календарь: весь год на одном листе, любой год от " + std::to_wstring(kFirstYear)
           + L" до " + std::to_wstring(kLastYear) + L".\n"
           L"\n"
           L"Вызов:\n"
           L"  ortelana [--year ГОД] [--old-style on|off]\n"
           L"  ortelana --export ФАЙЛ.png [--year ГОД] [--old-style on|off]\n"
           L"  ortelana --help | --version\n"
           L"\n"
           L"Параметры:\n"
           L"  --year ГОД           показать год ГОД: от одной до семи цифр, не ноль\n"
           L"  --old-style on|off   флажок «Старый стиль» для лет до 1918 года\n"
           L"  --export ФАЙЛ.png    не открывая окна, нарисовать лист года в ФАЙЛ\n"
           L"  --help, --version    показать эту справку или версию\n"
           L"\n"
           L"Коды завершения: 0 успешно, 1 файл не записан, 2 ошибка в командной строке.\n";
}

std::wstring versionText()
{
    std::wstring version;
    for (const char *c = Version; *c; ++c)
        version += wchar_t(*c);
    return L"ortelana " + version + L"\nЛицензия MIT.\n";
}

} // namespace ortelana::win32
