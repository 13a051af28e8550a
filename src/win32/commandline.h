// The Windows program's reading of the command line the two programs share: each
// argument is converted to UTF-8 for reading only, and the export's file name is taken
// from its own argument, so that a name UTF-8 cannot carry is written exactly.
#pragma once

#include "cli/commandline.h"

#include <string>
#include <vector>

namespace ortelana::win32 {

struct WideCommandLine
{
    CommandLine command;
    std::wstring file;      // for Export, exactly as given
    std::wstring message;   // for Refuse: one line
};

// Returns: what the arguments (program name first) ask for; `currentYear` stands when
// --year is not given.
WideCommandLine readCommandLine(const std::vector<std::wstring> &arguments, long long currentYear);

} // namespace ortelana::win32
