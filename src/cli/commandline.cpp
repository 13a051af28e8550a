// Command-line parsing, by hand: the options are few, and every message is the
// program's own, in Russian.
#include "cli/commandline.h"

#include "calendar/yearmath.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <span>

namespace ortelana {

namespace {

struct Option
{
    std::string_view name;
    bool takesValue;
    std::string_view valueName;   // for "после --year нужно …"
};

constexpr Option Options[] = {
    {"--export", true, "имя файла"}, {"--year", true, "число года"}, {"--old-style", true, "on или off"},
    {"--help", false, ""}, {"--version", false, ""},
};

// What sets one program's command line apart from the other's.
struct FrontEndRules
{
    std::span<const std::string_view> formats;   // the extensions an export writes, lower case
    std::string_view formatsNamed;               // for "нужен …"
    bool quotesOptionNames;                      // "«--year» указан дважды"
};

constexpr std::string_view QtFormats[] = {"png", "pdf"};
constexpr std::string_view Win32Formats[] = {"png"};
constexpr FrontEndRules QtRules{QtFormats, ".png или .pdf", false};
constexpr FrontEndRules Win32Rules{Win32Formats, ".png", true};

// Whether the argument after an option is its value: a following option never is
// ("--export --year 5"), a negative number is ("--year -1" names the bad year).
bool isOptionValue(std::string_view argument)
{
    return !argument.starts_with('-') || (argument.size() > 1 && argument[1] >= '0' && argument[1] <= '9');
}

// Whether `file` ends in a dot and one of the formats, in any case.
bool namesFormat(std::string_view file, const FrontEndRules &rules)
{
    const std::size_t dot = file.rfind('.');
    if (dot == std::string_view::npos)
        return false;
    std::string extension(file.substr(dot + 1));
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    return std::find(rules.formats.begin(), rules.formats.end(), extension) != rules.formats.end();
}

CommandLine refusal(const std::string &message)
{
    CommandLine result;
    result.action = CommandLine::Action::Refuse;
    result.exitCode = 2;
    result.message = "ortelana: " + message;
    return result;
}

} // namespace

CommandLine parseCommandLine(const std::vector<std::string> &arguments, long long currentYear, FrontEnd frontEnd,
                             ShownArgument shown)
{
    const FrontEndRules &rules = frontEnd == FrontEnd::Qt ? QtRules : Win32Rules;
    const auto quoted = [shown](std::string_view argument) {
        return "«" + (shown ? shown(argument) : std::string(argument)) + "»";
    };
    const auto optionName = [&rules](std::string_view name) {
        return rules.quotesOptionNames ? "«" + std::string(name) + "»" : std::string(name);
    };

    // First pass: split into options with their values and plain arguments.
    struct Given
    {
        std::optional<ArgumentPart> value;
        bool set = false;
    };
    std::array<Given, std::size(Options)> given{};
    std::vector<std::string_view> unknown;   // options we do not know
    std::vector<std::string_view> plain;     // arguments that are no option
    std::string mistake;                     // the first mistake with a known option
    bool optionsEnded = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (optionsEnded || !argument.starts_with('-') || argument == "-") {
            plain.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        const std::size_t equals = argument.find('=');
        const std::string_view name = argument.substr(0, equals);
        const auto known = std::find_if(std::begin(Options), std::end(Options),
                                        [name](const Option &option) { return name == option.name; });
        if (known == std::end(Options)) {
            unknown.push_back(argument);
            continue;
        }
        Given &slot = given[std::size_t(known - std::begin(Options))];
        if (slot.set && mistake.empty())
            mistake = optionName(name) + " указан дважды";
        slot.set = true;
        if (!known->takesValue)
            continue;   // --help and --version win over every mistake, "--help=x" included
        if (equals != std::string_view::npos) {
            slot.value = ArgumentPart{i, equals + 1};
        } else if (i + 1 < arguments.size() && isOptionValue(arguments[i + 1])) {
            slot.value = ArgumentPart{++i, 0};
        } else if (mistake.empty()) {
            // A following option is never taken as the value: "--export --year 5".
            mistake = "после " + optionName(name) + " нужно " + std::string(known->valueName);
        }
    }
    const auto valueOf = [&arguments](const Given &option) {
        return option.value ? std::string_view(arguments[option.value->argument]).substr(option.value->offset)
                            : std::string_view();
    };
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
        const std::string_view file = valueOf(exportTo);
        if (!unknown.empty())
            return refusal("неизвестный параметр " + quoted(unknown.front()));
        if (!plain.empty())
            return refusal("лишний аргумент " + quoted(plain.front()));
        if (file.empty())
            return refusal("после --export нужно имя файла");
        if (!namesFormat(file, rules))
            return refusal("неизвестный формат " + quoted(file) + ": нужен " + std::string(rules.formatsNamed));
    }

    SheetRequest request{currentYear, true};
    if (year.set) {
        const std::optional<long long> parsed = parseYear(valueOf(year));
        if (!parsed)
            return refusal("год должен быть числом от " + std::to_string(kFirstYear) + " до " + std::to_string(kLastYear)
                           + ", а не " + quoted(valueOf(year)));
        request.year = *parsed;
    }
    if (oldStyle.set) {
        const std::string_view value = valueOf(oldStyle);
        if (value != "on" && value != "off")
            return refusal("--old-style принимает on или off, а не " + quoted(value));
        request.oldStyle = value == "on";
    }
    if (exportTo.set) {
        result.action = CommandLine::Action::Export;
        result.file = exportTo.value.value_or(ArgumentPart{});
        result.request = request;
    } else if (year.set || oldStyle.set) {
        result.start = request;
    }
    return result;
}

} // namespace ortelana
