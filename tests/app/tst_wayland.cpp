// The real program on the session's weston (ortelana-session --weston), with no
// DISPLAY.  On a headless weston (screenshotHoldsTheSheet) weston-screenshooter shows
// that the window holds the program's own drawing of the year; on a weston nested in
// the session's Xvfb (input) it takes real input from xdotool, and its output is read
// back through that X server.
#include "platform/waylandprobe.h"
#include "session/steps.h"
#include "sheet/sheetpage.h"
#include "paint/fonts.h"

#include <QApplication>
#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using session::locate;

class tst_Wayland : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void screenshotHoldsTheSheet();
    void input_data();
    void input();
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

// The environment of a client: the session's compositor and no X display.
QProcessEnvironment client()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "QT_QPA_PLATFORM", "QT_SCALE_FACTOR", "XDG_CURRENT_DESKTOP"})
        env.remove(QLatin1String(name));
    return env;
}

// `traced`: libwayland writes every request and event of the program on its standard
// error, which is kept for the row to read.
std::unique_ptr<QProcess> startProgram(bool traced = false)
{
    auto program = std::make_unique<QProcess>();
    QProcessEnvironment env = client();
    if (traced)
        env.insert(QStringLiteral("WAYLAND_DEBUG"), QStringLiteral("client"));
    program->setProcessEnvironment(env);
    program->setProcessChannelMode(traced ? QProcess::ForwardedOutputChannel : QProcess::ForwardedChannels);
    program->start(QStringLiteral(ORTELANA_BINARY), {QStringLiteral("--year"), QStringLiteral("1917")});
    return program;
}

QImage sheetOf(long long year)
{
    return ortelana::sheetImage(ortelana::SheetRequest{year, true}, 1);
}

} // namespace

void tst_Wayland::screenshotHoldsTheSheet()
{
    const auto program = startProgram();
    QTemporaryDir shots;
    const QImage expected = sheetOf(1917);
    QVERIFY2(session::poll([&] {
        QProcess shooter;
        shooter.setProcessEnvironment(client());
        shooter.setWorkingDirectory(shots.path());
        shooter.start(QStringLiteral("weston-screenshooter"), {});
        shooter.waitForFinished(10000);
        bool found = false;
        for (const QString &name : QDir(shots.path()).entryList({QStringLiteral("*.png")})) {
            found = found || locate(QImage(shots.filePath(name)), expected).x() >= 0;
            QFile::remove(shots.filePath(name));
        }
        return found;
    }, 15000), "no screenshot shows the sheet of 1917");
    QCOMPARE(program->state(), QProcess::Running);
    program->kill();
    program->waitForFinished();
}

// Steps besides the shared ones (session/steps.h); places are offsets from the
// sheet's top left corner found last, in the compositor's output, which fills the X
// screen from its corner.
//   sheet:Y          the output shows the sheet of year Y; it is found afresh
//   still:Y          it shows the sheet of Y exactly where it was found last
//   click:X,Y        a left click; double:X,Y, triple:X,Y two and three quick ones
//   traced           (first) the program's Wayland requests are traced
//   unsent:R         the program has not sent the request R so far
//   click:uncovered  a left click into a corner of the sheet that no window covers
void tst_Wayland::input_data()
{
    QTest::addColumn<QString>("steps");
    // The title bar is the 30 pixels above the menu bar (20) and the banner (77);
    // the maximise button's middle is 40 pixels left of the window's right edge.
    QTest::newRow("title-bar double-click and the maximise button")
        << "sheet:1917 double:317,-112 wait alive still:1917 click:594,-112 wait alive still:1917";
    // Not a single maximise request reaches the compositor, however the button is
    // clicked: a request answered late is the one that ends the program.
    QTest::newRow("no maximise request sent")
        << "traced sheet:1917 double:317,-112 wait click:594,-112 wait triple:594,-112 double:317,-112 wait alive "
           "unsent:set_maximized unsent:set_fullscreen still:1917";
    // Maximise requests in every order and pace: the button four times, 0.8 s apart,
    // then fifty rounds of three quick clicks on it and a title-bar double-click.  One
    // request in a few hundred answered late used to end the program (1 run in 10).
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
    const auto program = startProgram(traced);
    QByteArray trace;   // what libwayland wrote so far, on a traced row
    const auto cleanup = qScopeGuard([&] {
        program->kill();
        program->waitForFinished();
        // The next row must not find this window's sheet before the compositor repaints.
        session::poll([&] { return locate(session::grabScreen(), shown).x() < 0; }, 15000);
    });
    session::Steps driver(80);
    driver.program = program.get();
    const auto click = [&](const QPoint &offset, int count) {
        // Weston's X11 back end moves its pointer by the X pointer's steps, clamped to its
        // output: from the corner, where both stop, one step lands both on the place.
        driver.moveTo({0, 0});
        session::settle(150);
        const bool moved = driver.moveTo(sheet + offset);
        session::settle(300);   // the compositor takes the pointer's place before the click
        return moved && driver.click(sheet + offset, 1, count);
    };
    const auto offset = [](const QString &xy) {
        return QPoint(xy.section(QLatin1Char(','), 0, 0).toInt(), xy.section(QLatin1Char(','), 1).toInt());
    };
    for (const char *verb : {"sheet", "still"})
        driver.define(QLatin1String(verb), [&, afresh = verb[1] == 'h'](const QString &year) {
            const QImage expected = sheetOf(year.toLongLong());
            QPoint found;
            driver.moveTo({0, 0});   // the cursor off the sheet
            shown = expected;
            const bool held = session::poll([&] {
                found = locate(session::grabScreen(), expected);
                return found.x() >= 0 && (afresh || found == sheet);
            }, 15000);
            sheet = found;
            driver.failure = QStringLiteral("the output does not show the sheet of %1%2").arg(year, afresh ? "" : " where it was");
            return held;
        });
    driver.define(QStringLiteral("double"), [&](const QString &xy) { return click(offset(xy), 2); });
    driver.define(QStringLiteral("triple"), [&](const QString &xy) { return click(offset(xy), 3); });
    driver.define(QStringLiteral("traced"), [&](const QString &) { return traced; });
    driver.define(QStringLiteral("unsent"), [&](const QString &request) {
        trace += program->readAllStandardError();
        // libwayland names an object xdg_toplevel@16 up to 1.22, xdg_toplevel#16 since.
        const QString sent = QString::fromLatin1(trace);
        if (!sent.contains(QRegularExpression(QStringLiteral("-> xdg_toplevel[@#]\\d+\\.")))) {
            driver.failure = QStringLiteral("no request to a toplevel was traced");
            return false;
        }
        driver.failure = QStringLiteral("the program sent %1").arg(request);
        return !sent.contains(QRegularExpression(QStringLiteral("-> xdg_toplevel[@#]\\d+\\.%1\\(").arg(request)));
    });
    driver.define(QStringLiteral("click"), [&](const QString &xy) {
        if (xy != QLatin1String("uncovered"))
            return click(offset(xy), 1);
        const QImage screen = session::grabScreen();
        const QRect patch(0, 0, 24, 24);
        for (const QPoint &at : {QPoint(4, 4), QPoint(shown.width() - 28, 4), QPoint(4, shown.height() - 28),
                                 QPoint(shown.width() - 28, shown.height() - 28)})
            if (locate(screen.copy(patch.translated(sheet + at)), shown.copy(patch.translated(at))) == QPoint(0, 0))
                return click(at + QPoint(12, 12), 1);
        return false;
    });
    const QString failed = driver.perform(steps);
    // What the compositor showed, beside the test, for the one who reads the failure.
    const QString picture = QDir::current().absoluteFilePath(QStringLiteral("tst_wayland-failed.png"));
    if (!failed.isEmpty())
        session::grabScreen().save(picture);
    QVERIFY2(failed.isEmpty(), qPrintable(failed + QStringLiteral("; program state %1, the screen is in %2")
                                                       .arg(program->state()).arg(picture)));
}

// In the session's weston; this process reads the X screen a nested weston draws on.
int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", qEnvironmentVariableIsSet("DISPLAY") ? "xcb" : "offscreen");
    qunsetenv("QT_SCALE_FACTOR");
    QApplication app(argc, argv);
    tst_Wayland test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_wayland.moc"
