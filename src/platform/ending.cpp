// Ending with one line, and the Wayland test.
#include "platform/ending.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

namespace ortelana {

void endWithLine(const char *line, int status)
{
    if (line)
        std::fprintf(stderr, "%s\n", line);
    std::fflush(nullptr);
    std::_Exit(status);
}

bool onWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace ortelana
