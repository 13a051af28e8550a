// Driving the real program through an X server as a user would, for the tests run in
// a session of tests/session/ortelana-session: keys and clicks through XTest
// (xdotool, with any modifier left down cleared, so a key is exactly the key named),
// waiting for what the program shows, finding its drawing in a grab of the screen,
// and a scenario's steps, words VERB:ARGUMENT ("~" stands for a blank in ARGUMENT).
// Every scenario knows key:K[,K...], type:T, wait (half a second), alive and exit:N;
// on an X server, defineWindowVerbs() adds those that find windows by their titles;
// a test adds its own verbs.
#pragma once

#include <QClipboard>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <functional>

namespace session {

// Waits while this process keeps answering the X server (the program may ask it for
// the clipboard meanwhile).
inline void settle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// A key as xdotool should press it: the function keys by their keycodes.  xdotool
// looks a name up in the server's keymap and may take a level that needs a modifier
// (with xkb-data 2.48 its F4 comes with Alt held, even with --clearmodifiers); a
// keycode is the key alone, as a user presses it, and every Xvfb numbers the keys as
// evdev does.  Other names pass as they are.
inline QString pressedKey(const QString &name)
{
    bool isNumber = false;
    const int f = name.startsWith(QLatin1Char('F')) ? name.mid(1).toInt(&isNumber) : 0;
    return isNumber && f >= 1 && f <= 12 ? QString::number(f <= 10 ? 66 + f : 84 + f) : name;
}

// Runs a command to its end (15 s at most), answering the X server meanwhile.
// Returns: its output; `status` gets its exit status, -1 for a crash or no end, and
// `errors` what it said on its error output.
inline QString run(const QString &program, const QStringList &arguments, int *status = nullptr, QString *errors = nullptr)
{
    QProcess process;
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    QTimer::singleShot(15000, &loop, &QEventLoop::quit);
    process.start(program, arguments);
    loop.exec();
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
    }
    if (status)
        *status = process.exitStatus() == QProcess::NormalExit && process.error() != QProcess::FailedToStart
            ? process.exitCode() : -1;
    if (errors)
        *errors = QString::fromUtf8(process.readAllStandardError());
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// Returns: whether `check` came true within `ms`.
inline bool poll(const std::function<bool()> &check, int ms = 8000)
{
    QElapsedTimer waited;
    waited.start();
    while (!check()) {
        if (waited.elapsed() > ms)
            return false;
        settle(50);
    }
    return true;
}

inline QImage grabScreen()
{
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage();
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

// A window of the X server: its id and its place on the screen.
struct Window
{
    QString id;
    QRect rect;
};

// Returns: the visible window with exactly this title, or an empty id.
inline Window findWindow(const QString &title)
{
    const QString id = run(QStringLiteral("xdotool"),
                           {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                            QLatin1Char('^') + QRegularExpression::escape(title) + QLatin1Char('$')})
                           .section(QLatin1Char('\n'), 0, 0);
    if (id.isEmpty())
        return {};
    QRect rect;
    const QString shell = run(QStringLiteral("xdotool"), {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), id});
    for (const QString &line : shell.split(QLatin1Char('\n'))) {
        const QString value = line.section(QLatin1Char('='), 1);
        if (line.startsWith(QLatin1String("X=")))
            rect.moveLeft(value.toInt());
        else if (line.startsWith(QLatin1String("Y=")))
            rect.moveTop(value.toInt());
        else if (line.startsWith(QLatin1String("WIDTH=")))
            rect.setWidth(value.toInt());
        else if (line.startsWith(QLatin1String("HEIGHT=")))
            rect.setHeight(value.toInt());
    }
    return {id, rect};
}

// Returns: where the window stands with the frame a window manager put around it, if
// any (its _NET_FRAME_EXTENTS), or an empty rectangle.
inline QRect frameOf(const Window &window)
{
    QRect frame;
    for (const QString &line : run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), window.id}).split(QLatin1Char('\n'))) {
        const int value = line.section(QLatin1Char(':'), 1).trimmed().toInt();
        if (line.contains(QLatin1String("Absolute upper-left X")))
            frame.moveLeft(value);
        else if (line.contains(QLatin1String("Absolute upper-left Y")))
            frame.moveTop(value);
        else if (line.trimmed().startsWith(QLatin1String("Width:")))
            frame.setWidth(value);
        else if (line.trimmed().startsWith(QLatin1String("Height:")))
            frame.setHeight(value);
    }
    const QStringList extents = run(QStringLiteral("xprop"), {QStringLiteral("-id"), window.id, QStringLiteral("_NET_FRAME_EXTENTS")})
                                    .section(QLatin1Char('='), 1).split(QLatin1Char(','));
    if (extents.size() == 4)
        frame.adjust(-extents[0].toInt(), -extents[2].toInt(), extents[1].toInt(), extents[3].toInt());
    return frame;
}

// Returns: a part of the screen as shown.
inline QImage screenArea(const QRect &area)
{
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

class Steps
{
public:
    // Returns: whether the step held; a failing step may say why in `failure`.
    using Verb = std::function<bool(const QString &argument)>;

    // `delay`: milliseconds between the keys of one step.
    explicit Steps(int delay) : delay(QString::number(delay))
    {
        define(QStringLiteral("key"), [this](const QString &keys) { return key(keys); });
        define(QStringLiteral("type"), [this](const QString &text) {
            return xdotool({QStringLiteral("type"), QStringLiteral("--clearmodifiers"), QStringLiteral("--delay"),
                            this->delay, text});
        });
        define(QStringLiteral("wait"), [](const QString &) { settle(500); return true; });
        define(QStringLiteral("alive"), [this](const QString &) {
            settle(500);
            failure = QStringLiteral("the program died, status %1").arg(program->exitCode());
            return program->state() == QProcess::Running;
        });
        define(QStringLiteral("exit"), [this](const QString &status) {
            if (!poll([this] { return program->state() == QProcess::NotRunning; }, 15000)) {
                failure = QStringLiteral("the program still runs");
                return false;
            }
            failure = QStringLiteral("the program ended with status %1").arg(program->exitCode());
            return program->exitStatus() == QProcess::NormalExit && program->exitCode() == status.toInt();
        });
    }

    void define(const QString &verb, Verb action) { verbs.insert(verb, std::move(action)); }

    // The verbs of windows on an X server:
    //   clip:T, sel:T  this process offers T as the clipboard / the primary selection
    //   see:W, gone:W  a window titled W is shown / is not
    //   click:W@X,Y    a left click at (X, Y) in the window titled W
    //   centred:W      the window titled W, with its frame, stands centred on the screen,
    //                  within 2 pixels
    //   err:T          the program said exactly one line on its error output, containing T
    void defineWindowVerbs()
    {
        for (const char *verb : {"clip", "sel"})
            define(QLatin1String(verb), [verb](const QString &text) {
                QGuiApplication::clipboard()->setText(text, *verb == 'c' ? QClipboard::Clipboard : QClipboard::Selection);
                settle(100);
                return true;
            });
        for (const char *verb : {"see", "gone"})
            define(QLatin1String(verb), [this, wanted = *verb == 's'](const QString &title) {
                failure = QStringLiteral("window \"%1\" is %2").arg(title, wanted ? "missing" : "still there");
                return poll([&] { return findWindow(title).id.isEmpty() != wanted; });
            });
        define(QStringLiteral("click"), [this](const QString &where) {
            Window target;
            if (!poll([&] { return !(target = findWindow(where.section(QLatin1Char('@'), 0, 0))).id.isEmpty(); })) {
                failure = QStringLiteral("no window to click in");
                return false;
            }
            const QStringList xy = where.section(QLatin1Char('@'), 1).split(QLatin1Char(','));
            return click(target.rect.topLeft() + QPoint(xy[0].toInt(), xy[1].toInt()));
        });
        define(QStringLiteral("centred"), [this](const QString &title) {
            const Window window = findWindow(title);
            const QRect frame = window.id.isEmpty() ? QRect() : frameOf(window);
            const QPointF offset = QRectF(frame).center() - QRectF(QGuiApplication::primaryScreen()->geometry()).center();
            failure = QStringLiteral("the frame %1 × %2 at (%3, %4) is off the centre by (%5, %6)")
                          .arg(frame.width()).arg(frame.height()).arg(frame.x()).arg(frame.y()).arg(offset.x()).arg(offset.y());
            return !frame.isEmpty() && std::abs(offset.x()) <= 2 && std::abs(offset.y()) <= 2;
        });
        define(QStringLiteral("err"), [this](const QString &text) {
            const QStringList lines = QString::fromUtf8(program->readAllStandardError()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            failure = QStringLiteral("the program said: ") + lines.join(QLatin1Char('|'));
            return lines.size() == 1 && lines.front().contains(text);
        });
    }

    // Runs the steps, separated by blanks, up to the first that fails.  Returns: an
    // empty text, or which step failed and why.
    QString perform(const QString &steps)
    {
        for (const QString &step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const auto verb = verbs.constFind(step.section(QLatin1Char(':'), 0, 0));
            failure.clear();
            if (verb == verbs.constEnd())
                return QStringLiteral("unknown step ") + step;
            if (!(*verb)(step.section(QLatin1Char(':'), 1).replace(QLatin1Char('~'), QLatin1Char(' '))))
                return step + QStringLiteral(": ") + failure;
            settle(150);
        }
        return {};
    }

    // An action xdotool refuses fails, and so does a key name it does not know (which
    // it only warns about).
    bool xdotool(const QStringList &arguments)
    {
        int status = 0;
        QString errors;
        run(QStringLiteral("xdotool"), arguments, &status, &errors);
        const bool done = status == 0 && !errors.contains(QLatin1String("No such key name"));
        if (!done)
            failure = QStringLiteral("xdotool %1 failed: %2").arg(arguments.join(QLatin1Char(' ')), errors.trimmed());
        return done;
    }

    // `keys`: xdotool's key names, separated by commas (see pressedKey).
    bool key(const QString &keys)
    {
        QStringList pressed;
        for (const QString &name : keys.split(QLatin1Char(',')))
            pressed << pressedKey(name);
        return xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--clearmodifiers"), QStringLiteral("--delay"), delay}
                       + pressed);
    }

    bool moveTo(const QPoint &at)
    {
        return xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y())});
    }

    bool click(const QPoint &at, int button = 1, int count = 1)
    {
        return moveTo(at)
            && xdotool({QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(count), QStringLiteral("--delay"),
                        QStringLiteral("80"), QString::number(button)});
    }

    QString failure;
    QProcess *program = nullptr;   // the program the scenario drives

private:
    const QString delay;
    QHash<QString, Verb> verbs;
};

} // namespace session
