// The real program on a Wayland compositor: a private weston in a private
// XDG_RUNTIME_DIR, build/ortelana on it with no DISPLAY.  A headless weston shows
// through weston-screenshooter that the window holds the program's own drawing of the
// year; a weston nested in a private Xvfb (its X11 back end) takes real input from
// xdotool, and its output is read back through that X server.  Exits with 77
// (skipped) when weston or Xvfb cannot start.
#include "platform/waylandprobe.h"
#include "privatexvfb.h"
#include "sheet/sheetpage.h"
#include "ui/fonts.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

// A weston of its own, on the socket "ortelana-test" in a private runtime folder.
struct Weston
{
    QTemporaryDir runtime;
    QProcess process;

    bool start(const QStringList &backend, const QString &xDisplay = {})
    {
        QFile config(runtime.filePath(QStringLiteral("weston.ini")));
        // No panel, no screen lock, no blanking, no on-screen keyboard popping up over
        // the year box: nothing but the program's windows.
        if (!config.open(QIODevice::WriteOnly)
            || config.write("[core]\nidle-time=0\n[shell]\npanel-position=none\nlocking=false\n"
                            "[input-method]\npath=\n") <= 0)
            return false;
        config.close();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("DISPLAY"));
        if (!xDisplay.isEmpty())
            env.insert(QStringLiteral("DISPLAY"), xDisplay);
        process.setProcessEnvironment(env);
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
        process.start(QStringLiteral("weston"), QStringList{QStringLiteral("--config=") + config.fileName(),
                                                            QStringLiteral("--socket=ortelana-test"),
                                                            QStringLiteral("--use-pixman"), QStringLiteral("--width=1024"),
                                                            QStringLiteral("--height=768")} + backend);
        QElapsedTimer waited;
        waited.start();
        while (process.state() != QProcess::NotRunning && waited.elapsed() < 15000
               && !QFileInfo::exists(runtime.filePath(QStringLiteral("ortelana-test"))))
            QTest::qWait(50);
        return process.state() == QProcess::Running;
    }

    // The environment of a client: this compositor and no X display.
    QProcessEnvironment client() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "QT_QPA_PLATFORM", "QT_SCALE_FACTOR", "XDG_CURRENT_DESKTOP"})
            env.remove(QLatin1String(name));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        env.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("ortelana-test"));
        return env;
    }

    ~Weston()
    {
        process.kill();
        process.waitForFinished();
    }
};

} // namespace

class tst_Wayland : public QObject
{
    Q_OBJECT

public:
    tst_Wayland(Weston &headless, Weston &nested) : headless(headless), nested(nested) {}

private slots:
    void initTestCase();
    void screenshotHoldsTheSheet();
    void input_data();
    void input();

private:
    Weston &headless;
    Weston &nested;
};

void tst_Wayland::initTestCase()
{
    // Without it the program refuses a Wayland-only session in one line, which
    // tst_commandline checks.
    if (!ortelana::waylandPluginInstalled())
        QSKIP("Qt's Wayland plug-in (qt6-wayland) is not installed");
    ortelana::registerFontSubstitutes();
}

namespace {

// `traced`: libwayland writes every request and event of the program on its standard
// error, which is kept for the row to read.
std::unique_ptr<QProcess> startProgram(const Weston &weston, bool traced = false)
{
    auto program = std::make_unique<QProcess>();
    QProcessEnvironment env = weston.client();
    if (traced)
        env.insert(QStringLiteral("WAYLAND_DEBUG"), QStringLiteral("client"));
    program->setProcessEnvironment(env);
    program->setProcessChannelMode(traced ? QProcess::ForwardedOutputChannel : QProcess::ForwardedChannels);
    program->start(QStringLiteral(ORTELANA_BINARY), {QStringLiteral("--year"), QStringLiteral("1917")});
    return program;
}

bool pollFor(const std::function<bool()> &check)
{
    QElapsedTimer waited;
    waited.start();
    while (!check()) {
        if (waited.elapsed() > 15000)
            return false;
        QTest::qWait(100);
    }
    return true;
}

QImage sheetOf(long long year)
{
    return ortelana::sheetImage(ortelana::SheetRequest{year, true}, 1);
}

} // namespace

void tst_Wayland::screenshotHoldsTheSheet()
{
    const auto program = startProgram(headless);
    QTemporaryDir shots;
    const QImage expected = sheetOf(1917);
    QVERIFY2(pollFor([&] {
        QProcess shooter;
        shooter.setProcessEnvironment(headless.client());
        shooter.setWorkingDirectory(shots.path());
        shooter.start(QStringLiteral("weston-screenshooter"), {});
        shooter.waitForFinished(10000);
        bool found = false;
        for (const QString &name : QDir(shots.path()).entryList({QStringLiteral("*.png")})) {
            found = found || realserver::locate(QImage(shots.filePath(name)), expected).x() >= 0;
            QFile::remove(shots.filePath(name));
        }
        return found;
    }), "no screenshot shows the sheet of 1917");
    QCOMPARE(program->state(), QProcess::Running);
    program->kill();
    program->waitForFinished();
}

// Steps, separated by blanks; places are offsets from the sheet's top left corner
// found last, in the compositor's output, which fills the X screen from its corner.
//   sheet:Y          the output shows the sheet of year Y; it is found afresh
//   still:Y          it shows the sheet of Y exactly where it was found last
//   click:X,Y        a left click; double:X,Y, triple:X,Y two and three quick ones
//   click:uncovered  a left click into a corner of the sheet that no window covers
//   key:K[,K...]     keys through XTest
//   wait             half a second
//   alive, exit:N    the program runs / ended with status N
//   traced           (first) the program's Wayland requests are traced
//   unsent:R         the program has not sent the request R so far
void tst_Wayland::input_data()
{
    QTest::addColumn<QString>("steps");
    // The title bar is the 30 pixels above the menu bar (20) and the banner (77);
    // the maximise button's middle is 40 pixels left of the window's right edge.
    QTest::newRow("title-bar double-click and the maximise button")
        << "sheet:1917 double:317,-112 wait alive still:1917 click:594,-112 wait alive still:1917";
    // Maximise requests in every order and pace: the button four times, 0.8 s apart,
    // then fifty rounds of three quick clicks on it and a title-bar double-click.  One
    // request in a few hundred answered late used to end the program (1 run in 10 of
    // six rounds).
    // Not a single maximise request reaches the compositor, however the button is
    // clicked: a request answered late is the one that ends the program.
    QTest::newRow("no maximise request sent")
        << "traced sheet:1917 double:317,-112 wait click:594,-112 wait triple:594,-112 double:317,-112 wait alive "
           "unsent:set_maximized unsent:set_fullscreen still:1917";
    QTest::newRow("fifty rounds of maximise clicks")
        << "sheet:1917 double:317,-112 wait" + QStringLiteral(" click:594,-112 wait wait").repeated(4)
               + QStringLiteral(" triple:594,-112 double:317,-112").repeated(50) + " wait alive still:1917";
    // While the week numbers are open, a click gives the main window the compositor's
    // keyboard focus; Page Down then must not reach it.  Weston's Super+Tab gives the
    // week numbers the focus again (weston places them anywhere), Esc closes them.
    QTest::newRow("F4: the week numbers are modal")
        << "sheet:1917 key:F4 wait click:uncovered key:Next wait key:super+Tab wait key:Escape wait still:1917 wait "
           "key:Next still:1918";
    QTest::newRow("Выход ends the program") << "sheet:1917 click:20,-87 wait key:Down,Down,Down,Down,Return exit:0";
}

void tst_Wayland::input()
{
    QFETCH(QString, steps);
    QPoint sheet(-1, -1);
    QImage shown;   // the sheet found last
    const bool traced = steps.startsWith(QLatin1String("traced "));
    const auto program = startProgram(nested, traced);
    QByteArray trace;   // what libwayland wrote so far, on a traced row
    const auto cleanup = qScopeGuard([&] {
        program->kill();
        program->waitForFinished();
        // The next row must not find this window's sheet before the compositor repaints.
        pollFor([&] { return realserver::locate(QGuiApplication::primaryScreen()->grabWindow(0).toImage(), shown).x() < 0; });
    });
    const auto xdotool = [](const QStringList &arguments) {
        return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
    };
    const auto moveTo = [&](const QString &offset) {
        const QPoint at = sheet + QPoint(offset.section(QLatin1Char(','), 0, 0).toInt(), offset.section(QLatin1Char(','), 1).toInt());
        // Weston's X11 back end moves its pointer by the X pointer's steps, clamped to its
        // output: from the corner, where both stop, one step lands both on the place.
        xdotool({QStringLiteral("mousemove"), QStringLiteral("0"), QStringLiteral("0")});
        QTest::qWait(150);
        const bool moved = xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y())});
        QTest::qWait(300);   // the compositor takes the pointer's place before the click
        return moved;
    };
    for (const QString &step : steps.split(QLatin1Char(' '))) {
        const QString verb = step.section(QLatin1Char(':'), 0, 0), arg = step.section(QLatin1Char(':'), 1);
        bool done = true;
        if (traced)
            trace += program->readAllStandardError();
        if (verb == QLatin1String("traced")) {
            done = traced;
        } else if (verb == QLatin1String("unsent")) {
            done = trace.contains("xdg_toplevel@") && !trace.contains("." + arg.toLatin1() + "(");
        } else if (verb == QLatin1String("sheet") || verb == QLatin1String("still")) {
            const QImage expected = sheetOf(arg.toLongLong());
            QPoint found;
            xdotool({QStringLiteral("mousemove"), QStringLiteral("0"), QStringLiteral("0")});   // the cursor off the sheet
            shown = expected;
            done = pollFor([&] {
                found = realserver::locate(QGuiApplication::primaryScreen()->grabWindow(0).toImage(), expected);
                return found.x() >= 0 && (verb == QLatin1String("sheet") || found == sheet);
            });
            sheet = found;
        } else if (arg == QLatin1String("uncovered")) {
            const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
            const QRect patch(0, 0, 24, 24);
            QString corner;
            for (const QPoint &at : {QPoint(4, 4), QPoint(shown.width() - 28, 4), QPoint(4, shown.height() - 28),
                                     QPoint(shown.width() - 28, shown.height() - 28)})
                if (corner.isEmpty() && realserver::locate(screen.copy(patch.translated(sheet + at)), shown.copy(patch.translated(at))) == QPoint(0, 0))
                    corner = QStringLiteral("%1,%2").arg(at.x() + 12).arg(at.y() + 12);
            done = !corner.isEmpty() && moveTo(corner) && xdotool({QStringLiteral("click"), QStringLiteral("1")});
        } else if (verb == QLatin1String("click") || verb == QLatin1String("double") || verb == QLatin1String("triple")) {
            const int clicks = verb == QLatin1String("click") ? 1 : verb == QLatin1String("double") ? 2 : 3;
            done = moveTo(arg)
                   && xdotool({QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(clicks),
                               QStringLiteral("--delay"), QStringLiteral("80"), QStringLiteral("1")});
        } else if (verb == QLatin1String("key")) {
            done = xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("80")}
                           + realserver::userKeys(arg.split(QLatin1Char(','))));
        } else if (verb == QLatin1String("wait")) {
            QTest::qWait(500);
        } else if (verb == QLatin1String("alive")) {
            done = program->state() == QProcess::Running;
        } else if (verb == QLatin1String("exit")) {
            done = program->waitForFinished(15000) && program->exitStatus() == QProcess::NormalExit
                   && program->exitCode() == arg.toInt();
        } else {
            done = false;
        }
        // What the compositor showed, beside the test, for the one who reads the failure.
        const QString picture = QDir::current().absoluteFilePath(QStringLiteral("tst_wayland-failed.png"));
        if (!done)
            QGuiApplication::primaryScreen()->grabWindow(0).save(picture);
        QVERIFY2(done, qPrintable(step + QStringLiteral(" failed; program state %1, the screen is in %2")
                                      .arg(program->state()).arg(picture)));
    }
}

int main(int argc, char *argv[])
{
    realserver::Xvfb server;
    if (!server.start()) {
        std::puts("SKIP: Xvfb could not start");
        return realserver::SkipExitCode;
    }
    const auto stop = qScopeGuard([&] { server.stop(); });
    const QString display = QStringLiteral(":%1").arg(server.display);
    qputenv("DISPLAY", display.toLatin1());
    qputenv("QT_QPA_PLATFORM", "xcb");   // this process reads the X screen weston draws on
    qunsetenv("QT_SCALE_FACTOR");
    QApplication app(argc, argv);
    Weston headless, nested;
    if (!headless.start({QStringLiteral("--backend=headless-backend.so"), QStringLiteral("--debug")})
        || !nested.start({QStringLiteral("--backend=x11-backend.so")}, display)) {
        std::puts("SKIP: weston could not start");
        return realserver::SkipExitCode;
    }
    tst_Wayland test(headless, nested);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_wayland.moc"
