// The command line both programs read.  Without arguments, or with arguments it does
// not know, the window opens; --year and --old-style choose what it opens at; --export
// draws a year into a file instead; --help and --version only print.  The arguments
// come as bytes (the Windows program's converted to UTF-8 for reading only), and the
// export's file is given by where it stands, so that each program takes the name from
// its own argument and never recodes it.
#pragma once

#include "calendar/sheetrequest.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ortelana {

// The two programs differ in the formats an export writes (the Windows one writes PNG
// only) and in the wording of a few messages and of the help.
enum class FrontEnd { Qt, Win32 };

// Part of an argument: arguments[argument] from byte `offset` on.  The offset is 0 or
// the length of "--export=", which is ASCII and so as long in UTF-16 as in UTF-8.
struct ArgumentPart
{
    std::size_t argument = 0;
    std::size_t offset = 0;
};

struct CommandLine
{
    enum class Action { Window, Export, Help, Version, Refuse };

    Action action = Action::Window;
    ArgumentPart file;                     // for Export
    SheetRequest request;                  // for Export
    std::optional<SheetRequest> start;     // for Window: --year or --old-style given
    std::string message;                   // for Refuse: one line, UTF-8
    int exitCode = 0;                      // for Refuse
};

// Returns: `argument` as a message quotes it, in UTF-8.
using ShownArgument = std::string (*)(std::string_view argument);

// Returns: what the arguments (program name first) ask of `frontEnd`; `currentYear`
// stands when --year is not given.  Messages quote arguments through `shown`, or
// unchanged when it is null.
CommandLine parseCommandLine(const std::vector<std::string> &arguments, long long currentYear, FrontEnd frontEnd,
                             ShownArgument shown = nullptr);

// Returns: the export's file name exactly as `arguments` (narrow or wide) hold it.
template <typename String>
String exportFile(const CommandLine &command, const std::vector<String> &arguments)
{
    return arguments.at(command.file.argument).substr(command.file.offset);
}

} // namespace ortelana
