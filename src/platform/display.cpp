// The display check: libxcb, loaded only when it is asked for, connects as Qt would;
// the Wayland socket and plug-in are asked about by waylandprobe.  The quiet start-up
// holds Qt's messages until the platform is up.
#include "platform/display.h"

#include "platform/ending.h"
#include "platform/waylandprobe.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace ortelana {

namespace {

// Returns: whether DISPLAY names a server on this machine whose socket is there.
bool localSocketThere()
{
    const QByteArray display = qgetenv("DISPLAY");
    const qsizetype colon = display.lastIndexOf(':');
    const QByteArray host = display.left(colon);
    if (colon < 0 || !(host.isEmpty() || host == "unix"))
        return false;
    const QByteArray number = display.mid(colon + 1).split('.').constFirst();
    return !number.isEmpty() && ::access(("/tmp/.X11-unix/X" + number).constData(), F_OK) == 0;
}

// Returns: the check's own connection to the X display named by DISPLAY, open, when
// the display accepts it; an empty pointer when it does not.  Without libxcb to ask, a
// holder with no connection (Qt will say the rest).  The connection is closed when the
// last copy of the holder goes, which main() lets happen once Qt has its own: a server
// that resets when its last client leaves (a bare Xvfb, xvfb-run's) would otherwise
// reset in between, and Qt's connection could land in the reset.
std::shared_ptr<void> xConnection()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return {};
    void *xcb = ::dlopen("libxcb.so.1", RTLD_NOW | RTLD_LOCAL);
    if (!xcb)
        return std::make_shared<int>(0);
    using Connect = void *(*)(const char *, int *);
    using HasError = int (*)(void *);
    using Disconnect = void (*)(void *);
    const auto connect = reinterpret_cast<Connect>(::dlsym(xcb, "xcb_connect"));
    const auto hasError = reinterpret_cast<HasError>(::dlsym(xcb, "xcb_connection_has_error"));
    const auto disconnect = reinterpret_cast<Disconnect>(::dlsym(xcb, "xcb_disconnect"));
    if (!connect || !hasError || !disconnect) {
        ::dlclose(xcb);
        return std::make_shared<int>(0);
    }
    void *connection = connect(nullptr, nullptr);
    // A bare server that another client has just left is resetting and refuses for a
    // moment: while its socket is there, it is asked again for up to a second.
    for (int tries = 0; hasError(connection) != 0 && tries < 20 && localSocketThere(); ++tries) {
        disconnect(connection);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        connection = connect(nullptr, nullptr);
    }
    const bool answers = hasError(connection) == 0;
    const std::shared_ptr<void> held(connection, [xcb, disconnect](void *open) {
        disconnect(open);   // an error connection is freed the same way
        ::dlclose(xcb);
    });
    return answers ? held : nullptr;
}

bool isRuntimeDirectoryWarning(const QString &message)
{
    return message.startsWith(QLatin1String("QStandardPaths: "))   // unset, wrong mode, not a folder
           || message == QLatin1String("XDG_RUNTIME_DIR is invalid or not set in the environment.");
}

} // namespace

QuietPlatform *QuietPlatform::active = nullptr;

DisplayChoice chooseDisplay()
{
    const QByteArray asked = qgetenv("QT_QPA_PLATFORM");
    if (!asked.isEmpty()) {
        // Qt tries the entries of a list in turn; "name:options" names a plug-in too.
        const char *why = NoDisplayMessage;
        for (const QByteArray &entry : asked.split(';')) {
            const QByteArray name = entry.split(':').constFirst();
            if (name == "xcb") {
                if (auto connection = xConnection())
                    return {entry, NoDisplayMessage, std::move(connection)};
            } else if (name.startsWith("wayland")) {
                if (!waylandPluginInstalled())
                    why = NoWaylandPluginMessage;
                else if (waylandDisplayAnswers())
                    return {entry, NoWaylandAskedMessage, {}};
                else
                    why = NoWaylandAskedMessage;
            } else if (!entry.isEmpty()) {
                return {entry, NoDisplayMessage, {}};   // offscreen and the like: Qt's to try
            }
        }
        return {{}, why, {}};
    }
    const bool waylandNamed = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    const bool waylandAnswers = waylandNamed && waylandDisplayAnswers();
    const bool waylandPlugin = waylandAnswers && waylandPluginInstalled();
    if (waylandPlugin)
        return {QByteArrayLiteral("wayland"), NoWaylandMessage, {}};
    if (auto connection = xConnection())
        return {QByteArrayLiteral("xcb"), NoDisplayMessage, std::move(connection)};
    if (waylandAnswers)
        return {{}, NoWaylandPluginMessage, {}};
    return {{}, waylandNamed ? NoWaylandMessage : NoDisplayMessage, {}};
}

QuietPlatform::QuietPlatform(const char *failureMessage)
    : failureMessage(failureMessage)
{
    active = this;
    previous = qInstallMessageHandler(handle);
}

void QuietPlatform::platformStarted()
{
    QList<Held> shown;
    {
        const QMutexLocker locker(&lock);
        starting = false;
        shown.swap(held);
    }
    for (const Held &message : shown) {
        const QMessageLogContext context(message.file.constData(), message.line, message.function.constData(),
                                         message.category.constData());
        previous(message.type, context, message.message);
    }
}

QuietPlatform::~QuietPlatform()
{
    qInstallMessageHandler(previous);
    active = nullptr;
}

void QuietPlatform::handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    QuietPlatform *self = active;
    if (!self || isRuntimeDirectoryWarning(message))
        return;
    {
        const QMutexLocker locker(&self->lock);
        if (self->starting) {
            if (type == QtFatalMsg) {
                endWithLine(self->failureMessage, 1);
            }
            self->held.append({type, QByteArray(context.file), QByteArray(context.function),
                               QByteArray(context.category), context.line, message});
            return;
        }
    }
    self->previous(type, context, message);
}

} // namespace ortelana
