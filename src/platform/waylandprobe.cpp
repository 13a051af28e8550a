// The Wayland probe: a plain socket connection, as libwayland's own first step, and a
// look into the plug-in folders; neither loads any of Qt's Wayland code.
#include "platform/waylandprobe.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace ortelana {

bool waylandDisplayAnswers()
{
    const QByteArray name = qgetenv("WAYLAND_DISPLAY");
    if (name.isEmpty())
        return false;
    QByteArray path = name;
    if (!name.startsWith('/')) {
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        if (runtime.isEmpty())
            return false;   // libwayland then has nowhere to look either
        path = runtime + '/' + name;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (std::size_t(path.size()) >= sizeof address.sun_path)
        return false;
    std::copy(path.begin(), path.end(), address.sun_path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool answers = ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    ::close(fd);
    return answers;
}

bool waylandPluginInstalled()
{
    QStringList folders;
    const QString own = qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH");
    if (!own.isEmpty()) {
        folders << own;
    } else {
        for (const QString &path : QCoreApplication::libraryPaths())
            folders << path + QStringLiteral("/platforms");
    }
    return std::any_of(folders.cbegin(), folders.cend(), [](const QString &folder) {
        return !QDir(folder).entryList({QStringLiteral("libqwayland-*.so")}, QDir::Files).isEmpty();
    });
}

} // namespace ortelana
