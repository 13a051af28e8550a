// The command line both programs read: what each argument list does for each of them,
// the export's file exactly as given, the one line of complaint, and the years --year
// takes.  Plain C++, like the code it tests; it runs under Wine too.
#include "cli/commandline.h"
#include "cli/helptext.h"
#include "calendar/yearmath.h"
#include "tally.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

using namespace ortelana;

namespace {

Tally check;

// Quotes as the Linux program does for ASCII: cut to 60 characters.
std::string cutAt60(std::string_view argument)
{
    return argument.size() <= 60 ? std::string(argument) : std::string(argument.substr(0, 59)) + "…";
}

enum Programs { Both, QtOnly, Win32Only };

void parsing()
{
    using Action = CommandLine::Action;
    struct Row
    {
        Programs programs;
        std::vector<std::string> arguments;
        Action action;
        std::string file;     // Export
        long long year;       // Export, and Window with a start (0: none)
        bool oldStyle;
        std::string named;    // Refuse: the message holds this
    };
    const std::string nines(100000, '9');
    const Action window = Action::Window, exporting = Action::Export, refuse = Action::Refuse;
    const Row rows[] = {
        {Both, {}, window, "", 0, true, ""},
        {Both, {"notes.txt"}, window, "", 0, true, ""},
        {Both, {"--foo", "-x"}, window, "", 0, true, ""},
        {Both, {"some-file.txt", "--unknown"}, window, "", 0, true, ""},
        {Both, {"--year", "1917"}, window, "", 1917, true, ""},
        {Both, {"--year=1917", "--old-style=off"}, window, "", 1917, false, ""},
        {Both, {"--year", "1917", "--old-style", "off"}, window, "", 1917, false, ""},
        {Both, {"--year=9999999"}, window, "", 9999999, true, ""},
        {Both, {"--old-style", "off"}, window, "", 2026, false, ""},
        {Both, {"--year", "5", "a.txt"}, window, "", 5, true, ""},
        {Both, {"--", "--export", "a.png"}, window, "", 0, true, ""},
        {Both, {"--year", "0"}, refuse, "", 0, true, "а не «0»"},
        {Both, {"--year", "-1"}, refuse, "", 0, true, "а не «-1»"},
        {Both, {"--year", "12345678"}, refuse, "", 0, true, "а не «12345678»"},
        {Both, {"--year", "2oo5"}, refuse, "", 0, true, "а не «2oo5»"},
        {Both, {"--old-style", "yes"}, refuse, "", 0, true, "принимает on или off, а не «yes»"},
        {QtOnly, {"--year"}, refuse, "", 0, true, ": после --year нужно число года"},
        {Win32Only, {"--year"}, refuse, "", 0, true, ": после «--year» нужно число года"},
        {QtOnly, {"--year", nines}, refuse, "", 0, true, "а не «" + nines.substr(0, 59) + "…»"},
        {Win32Only, {"--year", nines}, refuse, "", 0, true, "а не «" + nines + "»"},
        {Both, {"--export", "y.png"}, exporting, "y.png", 2026, true, ""},
        {Both, {"--export", "a.PNG", "--year", "2005"}, exporting, "a.PNG", 2005, true, ""},
        {Both, {"--export", ".png"}, exporting, ".png", 2026, true, ""},
        {QtOnly, {"--export", "y.pdf", "--year", "1917", "--old-style", "off"}, exporting, "y.pdf", 1917, false, ""},
        {QtOnly, {"--export", "y.PDF"}, exporting, "y.PDF", 2026, true, ""},
        {Win32Only, {"--export", "y.pdf"}, refuse, "", 0, true, ": неизвестный формат «y.pdf»: нужен .png"},
        {QtOnly, {"--export", "y.txt"}, refuse, "", 0, true, ": неизвестный формат «y.txt»: нужен .png или .pdf"},
        {Both, {"--export", "dir.png/y"}, refuse, "", 0, true, "«dir.png/y»"},
        {Both, {"--export", "png"}, refuse, "", 0, true, "«png»"},
        {Both, {"--export=y.png", "--year=5", "--old-style=on"}, exporting, "y.png", 5, true, ""},
        {Both, {"--year", "5", "--export", "y.png"}, exporting, "y.png", 5, true, ""},
        {Both, {"--export=a=b.png"}, exporting, "a=b.png", 2026, true, ""},
        {Both, {"--export=--year.png"}, exporting, "--year.png", 2026, true, ""},
        {Both, {"--export=файл.png"}, exporting, "файл.png", 2026, true, ""},
        {Both, {"--export", "a.png", "--yaer", "1917"}, refuse, "", 0, true, ": неизвестный параметр «--yaer»"},
        {Both, {"--foo", "--export", "a.png"}, refuse, "", 0, true, "«--foo»"},
        {Both, {"--export", "a.png", "b.png"}, refuse, "", 0, true, ": лишний аргумент «b.png»"},
        {Both, {"--export", "a.png", "--", "b"}, refuse, "", 0, true, "«b»"},
        {Both, {"--export", "y.png", "-h"}, refuse, "", 0, true, "«-h»"},
        {QtOnly, {"--export"}, refuse, "", 0, true, ": после --export нужно имя файла"},
        {Win32Only, {"--export"}, refuse, "", 0, true, ": после «--export» нужно имя файла"},
        {QtOnly, {"--export", "--year", "5"}, refuse, "", 0, true, ": после --export нужно имя файла"},
        {Win32Only, {"--export", "--year", "5"}, refuse, "", 0, true, ": после «--export» нужно имя файла"},
        {Both, {"--export", ""}, refuse, "", 0, true, ": после --export нужно имя файла"},
        {Both, {"--export="}, refuse, "", 0, true, ": после --export нужно имя файла"},
        {QtOnly, {"--export", "a.png", "--export", "b.png"}, refuse, "", 0, true, ": --export указан дважды"},
        {QtOnly, {"--export", "a.png", "--year", "1", "--year=2"}, refuse, "", 0, true, ": --year указан дважды"},
        {Win32Only, {"--year", "1", "--year", "2"}, refuse, "", 0, true, ": «--year» указан дважды"},
        {Both, {"--export", "y.png", "--year", "0"}, refuse, "", 0, true, "«0»"},
        {Both, {"--export", "y.png", "--year", "-5"}, refuse, "", 0, true, "«-5»"},
        {Both, {"--export", "y.png", "--year=12345678"}, refuse, "", 0, true, "«12345678»"},
        {Both, {"--export", "y.png", "--year"}, refuse, "", 0, true, "--year"},
        {Both, {"--export", "y.png", "--old-style", "maybe"}, refuse, "", 0, true, "«maybe»"},
        {Both, {"--help"}, Action::Help, "", 0, true, ""},
        {Both, {"--export", "y.png", "--help"}, Action::Help, "", 0, true, ""},
        {Both, {"--help", "--year", "0"}, Action::Help, "", 0, true, ""},
        {Both, {"--version"}, Action::Version, "", 0, true, ""},
        {Both, {"--version=1", "--year", "0"}, Action::Version, "", 0, true, ""},
    };
    for (const Row &row : rows) {
        for (const FrontEnd frontEnd : {FrontEnd::Qt, FrontEnd::Win32}) {
            if ((row.programs == QtOnly && frontEnd != FrontEnd::Qt) || (row.programs == Win32Only && frontEnd != FrontEnd::Win32))
                continue;
            std::vector<std::string> arguments{"ortelana"};
            arguments.insert(arguments.end(), row.arguments.begin(), row.arguments.end());
            // Each program quotes in its own way: the Linux one cuts, the Windows one does not.
            const bool qt = frontEnd == FrontEnd::Qt;
            const CommandLine command = parseCommandLine(arguments, 2026, frontEnd, qt ? cutAt60 : nullptr);
            std::string name = qt ? "Qt:" : "Win32:";
            for (const std::string &argument : row.arguments)
                name += " " + cutAt60(argument);
            check(command.action == row.action, name + ": action");
            if (command.action != row.action)
                continue;
            if (row.action == Action::Refuse) {
                const std::string &line = command.message;
                check(command.exitCode == 2 && line.starts_with("ortelana: ") && line.find('\n') == std::string::npos
                          && line.find(row.named) != std::string::npos && (!qt || line.size() < 240),
                      name + ": one line, status 2: " + (line.size() <= 300 ? line : cutAt60(line)));
            } else if (row.action == Action::Export) {
                check(exportFile(command, arguments) == row.file, name + ": file");
                check(command.request.year == row.year && command.request.oldStyle == row.oldStyle, name + ": request");
            } else if (row.action == Action::Window) {
                check(row.year == 0 ? !command.start
                                    : command.start && command.start->year == row.year
                                          && command.start->oldStyle == row.oldStyle,
                      name + ": start");
            }
        }
    }
}

// What --year takes: one to seven ASCII digits, not zero; nothing else.
void years()
{
    const struct
    {
        std::string_view text;
        long long year;   // 0: refused
    } rows[] = {
        {"0", 0}, {"0000", 0}, {"-5", 0}, {"12345678", 0}, {"abc", 0}, {"2024x", 0}, {"", 0}, {" 2024", 0},
        {"+2024", 0}, {"١٢٣", 0}, {"1", 1}, {"007", 7}, {"2024", 2024}, {"9999999", 9999999},
    };
    for (const auto &row : rows) {
        const std::optional<long long> parsed = parseYear(row.text);
        check(parsed.value_or(0) == row.year, "year \"" + std::string(row.text) + "\"");
    }
}

// Each help names every option it reads, and the version names the licence.
void texts()
{
    for (const FrontEnd frontEnd : {FrontEnd::Qt, FrontEnd::Win32}) {
        const std::string help = helpText(frontEnd);
        for (const char *option : {"--year ГОД", "--old-style on|off", "--export ФАЙЛ", "--help", "--version"})
            check(help.find(option) != std::string::npos, std::string("help names ") + option);
        check(help.ends_with("\n") && help.find("\n\n\n") == std::string::npos, "help: whole lines, no gap");
    }
    check(helpText(FrontEnd::Qt).find(".pdf") != std::string::npos
              && helpText(FrontEnd::Win32).find(".pdf") == std::string::npos,
          "help: PDF only where the export writes it");
    const std::string version = versionText();
    check(version.starts_with("ortelana ") && version.ends_with("\nЛицензия MIT.\n"), "version: name and licence");
}

} // namespace

int main()
{
    parsing();
    years();
    texts();
    return check.finish();
}
