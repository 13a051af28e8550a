// The display check: libxcb, loaded only when it is asked for, connects as Qt would;
// the Wayland socket and plug-in are asked about by waylandprobe.  The quiet start-up
// holds Qt's messages until the platform is up.
#include "platform/display.h"

#include "platform/ending.h"
#include "platform/waylandprobe.h"

#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>

namespace ortelana {

namespace {

// Returns: whether the X display named by DISPLAY accepts a connection; true when
// libxcb is not there to ask (Qt will say the rest).
bool xDisplayAnswers()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return false;
    void *xcb = ::dlopen("libxcb.so.1", RTLD_NOW | RTLD_LOCAL);
    if (!xcb)
        return true;
    using Connect = void *(*)(const char *, int *);
    using HasError = int (*)(void *);
    using Disconnect = void (*)(void *);
    const auto connect = reinterpret_cast<Connect>(::dlsym(xcb, "xcb_connect"));
    const auto hasError = reinterpret_cast<HasError>(::dlsym(xcb, "xcb_connection_has_error"));
    const auto disconnect = reinterpret_cast<Disconnect>(::dlsym(xcb, "xcb_disconnect"));
    bool answers = true;
    if (connect && hasError && disconnect) {
        void *connection = connect(nullptr, nullptr);
        answers = hasError(connection) == 0;
        disconnect(connection);   // an error connection is freed the same way
    }
    ::dlclose(xcb);
    return answers;
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
                if (xDisplayAnswers())
                    return {entry, NoDisplayMessage};
            } else if (name.startsWith("wayland")) {
                if (!waylandPluginInstalled())
                    why = NoWaylandPluginMessage;
                else if (waylandDisplayAnswers())
                    return {entry, NoWaylandAskedMessage};
                else
                    why = NoWaylandAskedMessage;
            } else if (!entry.isEmpty()) {
                return {entry, NoDisplayMessage};   // offscreen and the like: Qt's to try
            }
        }
        return {{}, why};
    }
    const bool waylandNamed = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    const bool waylandAnswers = waylandNamed && waylandDisplayAnswers();
    const bool waylandPlugin = waylandAnswers && waylandPluginInstalled();
    if (waylandPlugin)
        return {QByteArrayLiteral("wayland"), NoWaylandMessage};
    if (xDisplayAnswers())
        return {QByteArrayLiteral("xcb"), NoDisplayMessage};
    if (waylandAnswers)
        return {{}, NoWaylandPluginMessage};
    return {{}, waylandNamed ? NoWaylandMessage : NoDisplayMessage};
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
