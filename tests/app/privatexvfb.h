// What the drivers of the real program on a real display server share: a private
// Xvfb on a display number it picks itself, and finding the program's own drawing in
// a picture of the screen.
#pragma once

#include <QImage>
#include <QPoint>
#include <QStringList>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <string>

namespace realserver {

inline constexpr int SkipExitCode = 77;

// A private Xvfb on a display number it picks itself (-displayfd).
struct Xvfb
{
    pid_t pid = -1;
    int display = -1;
    std::string screen = "1280x1024x24";   // WIDTHxHEIGHTxDEPTH
    bool resets = false;                    // as a bare server: resets when its last client leaves

    bool start()
    {
        int fds[2];
        if (pipe(fds) != 0)
            return false;
        pid = fork();
        if (pid == 0) {
            close(fds[0]);
            const int quiet = open("/dev/null", O_WRONLY);
            dup2(quiet, STDOUT_FILENO);
            dup2(quiet, STDERR_FILENO);
            const std::string fd = std::to_string(fds[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(), "-nolisten", "tcp",
                   resets ? static_cast<char *>(nullptr) : "-noreset", static_cast<char *>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        if (pid < 0) {
            close(fds[0]);
            return false;
        }
        std::string number;
        pollfd wait{fds[0], POLLIN, 0};
        char c = 0;
        while (poll(&wait, 1, 20000) > 0 && read(fds[0], &c, 1) == 1 && c != '\n')
            number += c;
        close(fds[0]);
        if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos) {
            stop();
            return false;
        }
        display = std::stoi(number);
        return true;
    }

    void stop()
    {
        if (pid > 0) {
            kill(pid, SIGTERM);
            waitpid(pid, nullptr, 0);
            pid = -1;
        }
    }
};

// Returns: xdotool's key arguments for `names`, the function keys as their keycodes.
// xdotool looks a name up in the server's keymap and may take a level that needs a
// modifier (with xkb-data 2.48 its F4 comes with Alt held: Alt+F4); a keycode is the
// key alone, as a user presses it.  Every Xvfb numbers the keys as evdev does.
inline QStringList userKeys(const QStringList &names)
{
    QStringList keys;
    for (const QString &name : names) {
        bool isNumber = false;
        const int f = name.startsWith(QLatin1Char('F')) ? name.mid(1).toInt(&isNumber) : 0;
        keys << (isNumber && f >= 1 && f <= 12 ? QString::number(f <= 10 ? 66 + f : 84 + f) : name);
    }
    return keys;
}

// Returns: where `part` stands inside `whole`, exactly, pixel for pixel; or (-1, -1).
inline QPoint locate(const QImage &whole, const QImage &part)
{
    const QImage w = whole.convertToFormat(QImage::Format_RGB32);
    const QImage p = part.convertToFormat(QImage::Format_RGB32);
    for (int dy = 0; dy + p.height() <= w.height(); ++dy)
        for (int dx = 0; dx + p.width() <= w.width(); ++dx) {
            bool same = true;
            for (int y = 0; same && y < p.height(); ++y)
                same = std::equal(reinterpret_cast<const QRgb *>(p.constScanLine(y)),
                                  reinterpret_cast<const QRgb *>(p.constScanLine(y)) + p.width(),
                                  reinterpret_cast<const QRgb *>(w.constScanLine(y + dy)) + dx);
            if (same)
                return {dx, dy};
        }
    return {-1, -1};
}

} // namespace realserver
