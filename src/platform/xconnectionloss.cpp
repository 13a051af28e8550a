// Recognising Qt's "The X11 connection broke" warning among its messages.
#include "platform/xconnectionloss.h"

#include "platform/ending.h"

#include <QString>

#include <cstdio>

namespace ortelana {

XConnectionLossMessage *XConnectionLossMessage::active = nullptr;

XConnectionLossMessage::XConnectionLossMessage()
{
    active = this;
    previous = qInstallMessageHandler(handle);
}

XConnectionLossMessage::~XConnectionLossMessage()
{
    qInstallMessageHandler(previous);
    active = nullptr;
}

void XConnectionLossMessage::handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    // Qt would call exit(1) next, running exit handlers over a platform that has lost
    // its display; nothing is left to save, so the program ends here, at once.
    if (message.startsWith(QLatin1String("The X11 connection broke")))
        endWithLine(XConnectionLostMessage, 1);
    if (active && active->previous)
        active->previous(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qFormatLogMessage(type, context, message).toLocal8Bit().constData());
}

} // namespace ortelana
