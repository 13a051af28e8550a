// The X server's death, told in the program's own words.  When the display goes away
// under a running window, Qt's xcb plug-in prints an English warning and ends the
// program with status 1; while this object lives, that warning becomes one Russian
// line, and every other message goes on to the handler that was there before.
#pragma once

#include <QtGlobal>

namespace ortelana {

// The line printed instead of Qt's.
inline constexpr const char XConnectionLostMessage[] =
    "ortelana: связь с X-сервером потеряна (сервер остановлен?), программа завершается";

class XConnectionLossMessage
{
public:
    XConnectionLossMessage();
    ~XConnectionLossMessage();
    XConnectionLossMessage(const XConnectionLossMessage &) = delete;
    XConnectionLossMessage &operator=(const XConnectionLossMessage &) = delete;

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message);

    // Qt's message handler is a bare function: it reaches the one object start-up
    // creates through this pointer, set and cleared by that object alone.
    static XConnectionLossMessage *active;
    QtMessageHandler previous = nullptr;
};

} // namespace ortelana
