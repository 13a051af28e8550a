// Recognising Qt's "The X11 connection broke" warning among its messages.
#include "app/xconnectionloss.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace ortelana {

namespace {

// The handler this one replaced.  Qt's handler interface is a bare function pointer,
// so the one it returns has to be kept where the handler can reach it: this slot,
// written only by the one XConnectionLossMessage start-up creates.
QtMessageHandler &replaced()
{
    static QtMessageHandler handler = nullptr;
    return handler;
}

void sayConnectionLost(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("The X11 connection broke"))) {
        // Qt would call exit(1) next, running exit handlers over a platform that has
        // lost its display; nothing is left to save, so the program ends here, at once.
        std::fprintf(stderr, "%s\n", XConnectionLostMessage);
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (const QtMessageHandler next = replaced())
        next(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qFormatLogMessage(type, context, message).toLocal8Bit().constData());
}

} // namespace

XConnectionLossMessage::XConnectionLossMessage()
{
    replaced() = qInstallMessageHandler(sayConnectionLost);
}

XConnectionLossMessage::~XConnectionLossMessage()
{
    qInstallMessageHandler(replaced());
    replaced() = nullptr;
}

} // namespace ortelana
