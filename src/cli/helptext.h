// What --help and --version print: the help of each program (they differ in the
// formats an export writes) and the version with the licence.
#pragma once

#include "cli/commandline.h"

#include <string>

namespace ortelana {

// The texts of --help and --version in UTF-8, each line ending in "\n".
std::string helpText(FrontEnd frontEnd);
std::string versionText();

} // namespace ortelana
