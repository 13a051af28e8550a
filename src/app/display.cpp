// The display check: libxcb, loaded only when it is asked for, connects as Qt would.
#include "app/display.h"

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>

namespace ortelana {

namespace {

// Returns: whether the X display named by DISPLAY accepts a connection; true when
// libxcb is not there to ask (Qt will say the rest).
bool xDisplayAnswers()
{
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
    return message.startsWith(QLatin1String("QStandardPaths: "));   // unset, wrong mode, not a folder
}

void passOn(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    std::fprintf(stderr, "%s\n", qFormatLogMessage(type, context, message).toLocal8Bit().constData());
}

void quietMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!isRuntimeDirectoryWarning(message))
        passOn(type, context, message);
}

void quietPlatformStart(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", NoDisplayMessage);
        std::_Exit(1);
    }
    const bool fromPlatform = context.category && qstrncmp(context.category, "qt.qpa", 6) == 0;
    if (!fromPlatform)
        quietMessages(type, context, message);
}

} // namespace

bool displayIsUsable()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb"))
        return true;
    if (!qEnvironmentVariableIsEmpty("DISPLAY") && xDisplayAnswers())
        return true;
    return platform.isEmpty() && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

QuietPlatform::QuietPlatform()
{
    qInstallMessageHandler(quietPlatformStart);
}

void QuietPlatform::platformStarted()
{
    qInstallMessageHandler(quietMessages);
}

QuietPlatform::~QuietPlatform()
{
    qInstallMessageHandler(nullptr);
}

} // namespace ortelana
