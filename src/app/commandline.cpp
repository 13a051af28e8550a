// The shared command line with this program's way of quoting arguments.
#include "app/commandline.h"

#include "output/messagetext.h"

namespace ortelana {

CommandLine readCommandLine(const std::vector<std::string> &arguments, long long currentYear)
{
    // Bytes that are no UTF-8 show as "?"; a pasted megabyte still gives one line.
    const ShownArgument shown = [](std::string_view argument) {
        return quotedInMessage(QByteArray(argument.data(), qsizetype(argument.size()))).toStdString();
    };
    return parseCommandLine(arguments, currentYear, FrontEnd::Qt, shown);
}

} // namespace ortelana
