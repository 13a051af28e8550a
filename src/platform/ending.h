// The two things every guard here shares: how the program ends when it cannot go on
// (one line on standard error, then at once, without exit handlers that would run
// over a broken platform) and whether Qt runs on Wayland.
#pragma once

namespace ortelana {

// Prints `line` (when given) and a newline on standard error and ends the process
// with `status` at once: no exit handlers, no destructors.
[[noreturn]] void endWithLine(const char *line, int status);

// Returns: whether the running application's platform is Wayland.
bool onWayland();

} // namespace ortelana
