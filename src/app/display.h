// Starting Qt's platform quietly: whether a window can be opened at all, asked before
// Qt is started (Qt itself aborts with a core dump and advice about plug-ins when no
// display answers), and Qt's start-up chatter kept off standard error.
#pragma once

namespace ortelana {

// Returns: false when the window would have no display: none named, or an X display
// that cannot be reached.  A platform chosen explicitly (QT_QPA_PLATFORM, such as
// offscreen) and a Wayland display are left for Qt to try.
bool displayIsUsable();

// The one line printed when the window has no display.
inline constexpr const char NoDisplayMessage[] =
    "ortelana: окно открыть негде: нет доступного дисплея (переменная DISPLAY не задана или сервер не отвечает)";

// Keeps Qt's messages quiet for as long as it lives: the warning about an unset
// XDG_RUNTIME_DIR is dropped (Qt then makes a private folder of its own, which is all
// it needs), other messages go to standard error as usual.  While the application is
// being created, a failure to start the platform ends the program with
// NoDisplayMessage and status 1 instead of an abort, and the platform plug-ins'
// complaints on the way are dropped; call platformStarted() once it is up.
class QuietPlatform
{
public:
    QuietPlatform();
    ~QuietPlatform();
    void platformStarted();
    QuietPlatform(const QuietPlatform &) = delete;
    QuietPlatform &operator=(const QuietPlatform &) = delete;
};

} // namespace ortelana
