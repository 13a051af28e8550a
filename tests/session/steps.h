// Driving the real program through an X server as a user would, for the tests run in
// a session of tests/session/ortelana-session: keys and clicks through XTest
// (xdotool, with any modifier left down cleared, so a key is exactly the key named),
// waiting for what the program shows, finding its drawing in a grab of the screen,
// and a scenario's steps, words VERB:ARGUMENT ("~" stands for a blank in ARGUMENT).
// Every scenario knows key:K[,K...], type:T, wait (half a second), alive and exit:N;
// a test adds its own verbs.
#pragma once

#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTimer>

#include <algorithm>
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

    // `keys`: xdotool's key names, separated by commas.
    bool key(const QString &keys)
    {
        return xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--clearmodifiers"), QStringLiteral("--delay"), delay}
                       + keys.split(QLatin1Char(',')));
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
