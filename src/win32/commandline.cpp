// The shared command line over the wide arguments the system gives.
#include "win32/commandline.h"

#include "win32/text.h"

namespace ortelana::win32 {

WideCommandLine readCommandLine(const std::vector<std::wstring> &arguments, long long currentYear)
{
    std::vector<std::string> utf8;
    utf8.reserve(arguments.size());
    for (const std::wstring &argument : arguments)
        utf8.push_back(narrow(argument));
    WideCommandLine result{parseCommandLine(utf8, currentYear, FrontEnd::Win32), {}, {}};
    if (result.command.action == CommandLine::Action::Export)
        result.file = exportFile(result.command, arguments);
    result.message = widen(result.command.message);
    return result;
}

} // namespace ortelana::win32
