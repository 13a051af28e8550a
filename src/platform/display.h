// Starting Qt's platform quietly: which platform the window opens on, chosen before Qt
// is started (Qt itself aborts with a core dump and advice about plug-ins when no
// display answers), and Qt's start-up chatter kept off standard error.
#pragma once

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QString>
#include <QtGlobal>

namespace ortelana {

// The lines printed when the window has no display.
inline constexpr const char NoDisplayMessage[] =
    "ortelana: окно открыть негде: нет доступного дисплея (переменная DISPLAY не задана или сервер не отвечает)";
inline constexpr const char NoWaylandMessage[] =
    "ortelana: окно открыть негде: нет доступного дисплея (композитор Wayland из WAYLAND_DISPLAY не отвечает, "
    "сервера X из DISPLAY тоже нет)";
inline constexpr const char NoWaylandAskedMessage[] =
    "ortelana: окно открыть негде: нет доступного дисплея (композитор Wayland из WAYLAND_DISPLAY не отвечает)";
inline constexpr const char NoWaylandPluginMessage[] =
    "ortelana: окно открыть негде: нет доступного дисплея (для сеанса Wayland не установлен модуль Qt, "
    "пакет qt6-wayland, а сервера X из DISPLAY нет)";

struct DisplayChoice
{
    QByteArray platform;          // the platform for Qt; empty: there is none to open a window on
    const char *message = nullptr;   // the one line when there is none, or when Qt fails to start it
};

// Returns: the platform Qt is to start: QT_QPA_PLATFORM when it is set (its first
// entry that answers: an X display must take a connection, a Wayland compositor
// too and its plug-in be installed; any other platform is left to Qt); otherwise
// Wayland when its plug-in is installed and its compositor answers, else X when its
// server answers.  The caller hands the platform to Qt, so Qt makes the same choice.
DisplayChoice chooseDisplay();

// Keeps Qt's start-up quiet for as long as it lives, then puts back the message
// handler it found.  While the application is being created, Qt's messages are held
// back: a failure to start the platform ends the program with the one line given and
// status 1 instead of an abort, and nothing held is shown; once platformStarted() is
// called they go on to the previous handler after all, as every later message does.
// The two warnings about an unset XDG_RUNTIME_DIR are always dropped: Qt then makes a
// private folder of its own, which is all it needs.
class QuietPlatform
{
public:
    explicit QuietPlatform(const char *failureMessage = NoDisplayMessage);
    ~QuietPlatform();
    void platformStarted();
    QuietPlatform(const QuietPlatform &) = delete;
    QuietPlatform &operator=(const QuietPlatform &) = delete;

private:
    struct Held
    {
        QtMsgType type;
        QByteArray file, function, category;
        int line;
        QString message;
    };
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message);

    // Qt's message handler is a bare function: it reaches the one object start-up
    // creates through this pointer, set and cleared by that object alone.
    static QuietPlatform *active;
    QtMessageHandler previous = nullptr;
    const char *failureMessage;
    QMutex lock;          // messages may come from Qt's threads too
    bool starting = true;
    QList<Held> held;
};

} // namespace ortelana
