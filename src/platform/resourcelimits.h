// The process's resource limits at start: file descriptors are raised to what the
// system allows, and a limit too tight for Qt gets one line and status 1 up front,
// because inside Qt and GLib the same shortage ends in an abort, a trap or a program
// that runs without a window.  Running out of memory later ends the program the same
// way, never with an uncaught std::bad_alloc and a core.
#pragma once

#include <QString>

namespace ortelana {

// The one line for memory that ran out.
inline constexpr const char OutOfMemoryMessage[] = "ortelana: не хватает памяти";

// Raises the soft limit on open files to the hard one, then checks the limits against
// what the window (`window`) or an export needs.  Returns: the line to end with, status
// 1; empty when there is room.
QString checkResourceLimits(bool window);

// From now on an allocation that fails ends the program with OutOfMemoryMessage and
// status 1, wherever it happens: Qt's code lets no exception pass back to main.
void endOnOutOfMemory();

} // namespace ortelana
