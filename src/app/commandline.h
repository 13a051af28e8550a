// The command line.  Without arguments, or with arguments it does not know, the
// program opens its window as always; --export draws a year into a file instead.
#pragma once

#include "app/sheetexport.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace ortelana {

struct CommandLine
{
    enum class Action { Window, Export, Help, Version, Refuse };

    Action action = Action::Window;
    QString file;              // for Export
    SheetRequest request;      // for Export
    QString message;           // for Refuse, and the text of Help
    int exitCode = 0;          // for Refuse
};

// Returns: what the arguments (program name first) ask for.  The current year is
// used when --year is not given.
CommandLine parseCommandLine(const QStringList &arguments, long long currentYear);

// Returns: the year written in `text` under the year box's rules (one to seven ASCII
// digits, not zero), or nothing.
std::optional<long long> parseYear(const QString &text);

// Returns: true when the arguments ask for work without a window (export, help,
// version), so no display is needed.  Usable before QApplication exists.
bool runsWithoutWindow(int argc, char **argv);

} // namespace ortelana
