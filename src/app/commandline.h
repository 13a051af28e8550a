// The command line.  Without arguments, or with arguments it does not know, the
// program opens its window; --year and --old-style choose what it opens at.
// --export draws a year into a file instead, --help and --version only print.
// Arguments are taken as the bytes the system gives, so file names are never recoded.
#pragma once

#include "calendar/sheetrequest.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace ortelana {

struct CommandLine
{
    enum class Action { Window, Export, Help, Version, Refuse };

    Action action = Action::Window;
    QByteArray file;                       // for Export, exactly as given
    SheetRequest request;                  // for Export
    std::optional<SheetRequest> start;     // for Window: --year or --old-style given
    QString message;                       // for Refuse: one line
    int exitCode = 0;                      // for Refuse
};

// Returns: what the arguments (program name first) ask for.  The current year is
// used when --year is not given.
CommandLine parseCommandLine(const QList<QByteArray> &arguments, long long currentYear);

// The text of --help and of --version, each ending with a newline.
QByteArray helpText();
QByteArray versionText();

} // namespace ortelana
