// The Linux program's reading of the command line the two programs share: the
// arguments are the bytes the system gives, so file names are never recoded, and a
// message shows an argument as file names are decoded, cut to one readable line.
#pragma once

#include "cli/commandline.h"

#include <string>
#include <vector>

namespace ortelana {

// Returns: what the arguments (program name first) ask for; `currentYear` stands when
// --year is not given.
CommandLine readCommandLine(const std::vector<std::string> &arguments, long long currentYear);

} // namespace ortelana
