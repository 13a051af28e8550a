// The command line of the Windows program, as the Linux program reads its own:
// without arguments, or with arguments it does not know, the window opens; --year and
// --old-style choose what it opens at; --export draws a year into a PNG file instead;
// --help and --version only print.  Plain C++ over wide strings, tested on its own.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace ortelana::win32 {

struct StartRequest
{
    long long year = 0;
    bool oldStyle = true;   // the old-style box, as the window starts
};

struct CommandLine
{
    enum class Action { Window, Export, Help, Version, Refuse };

    Action action = Action::Window;
    std::wstring file;                    // for Export, exactly as given
    StartRequest request;                 // for Export
    std::optional<StartRequest> start;    // for Window: --year or --old-style given
    std::wstring message;                 // for Refuse: one line
    int exitCode = 0;                     // for Refuse
};

// Returns: what the arguments (program name first) ask for; `currentYear` stands when
// --year is not given.
CommandLine parseCommandLine(const std::vector<std::wstring> &arguments, long long currentYear);

// Returns: the year written in `text` (one to seven ASCII digits, not zero), or nothing.
std::optional<long long> parseYear(const std::wstring &text);

// The texts of --help and --version, lines ending in "\n".
std::wstring helpText();
std::wstring versionText();

} // namespace ortelana::win32
