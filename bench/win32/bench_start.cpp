// Start-to-drawn-sheet time of the Windows program under Wine, in one run on one
// private Xvfb, from the start of the process until a picture of the screen shows
// what the program draws (the 2005 sheet slot for slot, tests/win32/sheetprobe.h):
//  - cold, beside the Linux program: Wine's server ended after every run, so each Wine
//    start is a cold one, through scripts/wine-run as a user starts it;
//  - warm, beside bench_minimal.exe (a window that draws 366 numbers and nothing
//    else): one Wine server (wineserver -p) and one virtual desktop (its explorer
//    started first and kept) for all the starts, as Windows has its shell running
//    before any program; each program started straight with wine, in turns.
// Each program is started ROUNDS times (default 5) after one start that is not
// counted; with `warm` after ROUNDS, only the warm starts (the prefix must have been
// made, by one scripts/wine-run).
//     tests/session/ortelana-session --x11 --screen 1024x768x24 -- build/bench/bench_start [ROUNDS [warm]]
// (a private Xvfb the size of Wine's virtual desktop in the prefix of scripts/wine-run).
// Needs build/ortelana (make build), build-windows/ortelana.exe (make windows) and
// build-windows/bench/win32/bench_minimal.exe (its target bench_minimal).
#include "sheetprobe.h"
#include "win32/bench_minimal.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

namespace {

using Drawn = std::function<bool(const QImage &)>;

bool sheetDrawn(const QImage &image) { return sheetprobe::findSheet(image, 2005, true).has_value(); }

// bench_minimal's numbers: their ink reaches down to the last row.
bool numbersDrawn(const QImage &image)
{
    const QRect ink = sheetprobe::inkBox(image, sheetprobe::screenColour(minimal::Ink), image.rect());
    return ink.height() > minimal::LastRowTop;
}

bool screenClear(const QImage &image)
{
    return sheetprobe::inkBox(image, sheetprobe::screenColour(minimal::Ink), image.rect()).isEmpty();
}

void endWineServer(const QProcessEnvironment &environment)
{
    QProcess server;
    server.setProcessEnvironment(environment);
    server.start(QStringLiteral("wineserver"), {QStringLiteral("-k")});
    server.waitForFinished(20000);
}

// Returns: milliseconds until `drawn` holds on the screen, or -1 after 120 s.  The
// program is then ended, and the screen waited for to show none of its ink; with
// `cold`, Wine's server too.
double startOnce(const QString &program, const QStringList &arguments, const QProcessEnvironment &environment,
                 const Drawn &drawn, bool cold)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    double elapsed = -1;
    while (clock.elapsed() < 120000) {
        // The time the picture is asked for, not the time it is read: the reading
        // takes longer for the sheet than for the numbers.
        const double asked = double(clock.nsecsElapsed()) / 1e6;
        if (drawn(sheetprobe::screenshot())) {
            elapsed = asked;
            break;
        }
        QThread::msleep(10);
    }
    process.kill();
    process.waitForFinished(10000);
    if (cold)
        endWineServer(environment);
    QElapsedTimer gone;
    gone.start();
    while (!screenClear(sheetprobe::screenshot()) && gone.elapsed() < 10000)
        QThread::msleep(20);
    QThread::msleep(cold ? 500 : 200);
    return elapsed;
}

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void report(const char *name, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    double sum = 0;
    for (const double t : times)
        sum += t;
    std::printf("%-34s median %6.0f ms, min %6.0f ms, max %6.0f ms, mean %6.0f ms (%zu runs)\n", name, median(times),
                times.front(), times.back(), sum / double(times.size()), times.size());
}

// The environment scripts/wine-env.sh gives every run of the prefix in `home`.
QProcessEnvironment wineEnvironment(const QString &source, const QString &home)
{
    QProcess shell;
    shell.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral(". '%1/scripts/wine-env.sh' && wine_environment '%2' && env -0")
                                                             .arg(source, home)});
    shell.waitForFinished(10000);
    QProcessEnvironment environment;
    for (const QByteArray &pair : shell.readAllStandardOutput().split('\0')) {
        const qsizetype equals = pair.indexOf('=');
        if (equals > 0)
            environment.insert(QString::fromLocal8Bit(pair.left(equals)), QString::fromLocal8Bit(pair.mid(equals + 1)));
    }
    return environment;
}

} // namespace

int main(int argc, char *argv[])
{
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const bool warmOnly = argc > 2 && std::strcmp(argv[2], "warm") == 0;
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fprintf(stderr, "no DISPLAY: run it in tests/session/ortelana-session --x11\n");
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);

    const QString source = QStringLiteral(ORTELANA_SOURCE_DIR);
    const QString home = source + QStringLiteral("/build-windows/wine/run");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("WINEPREFIX"), home + QStringLiteral("/prefix"));
    QProcessEnvironment linux = environment;
    linux.remove(QStringLiteral("QT_QPA_PLATFORM"));
    const QStringList year{QStringLiteral("--year"), QStringLiteral("2005")};
    const QString linuxProgram = source + QStringLiteral("/build/ortelana");
    const QString wineRun = source + QStringLiteral("/scripts/wine-run");

    std::vector<double> linuxTimes, coldTimes;
    for (int i = 0; i <= (warmOnly ? -1 : rounds); ++i) {
        const double l = startOnce(linuxProgram, year, linux, sheetDrawn, false);
        const double w = startOnce(wineRun, year, environment, sheetDrawn, true);
        if (l < 0 || w < 0) {
            std::fprintf(stderr, "the sheet did not appear (Linux %.0f ms, Wine %.0f ms)\n", l, w);
            return 1;
        }
        if (i > 0) {   // the first start of each fills caches and is not counted
            linuxTimes.push_back(l);
            coldTimes.push_back(w);
        }
    }
    if (!warmOnly) {
        report("Linux program (Qt):", linuxTimes);
        report("Windows program (cold Wine):", coldTimes);
    }

    // The same prefix (wine-run has set its desktop «Ортелана»), one server and one
    // desktop for every start: otherwise Wine starts the desktop's explorer afresh
    // with each program, some 300 ms of every start.
    const QProcessEnvironment wine = wineEnvironment(source, home);
    QProcess server, desktop;
    server.setProcessEnvironment(wine);
    server.start(QStringLiteral("wineserver"), {QStringLiteral("-p")});
    server.waitForFinished(20000);
    const QSize screen = QGuiApplication::primaryScreen()->size();
    desktop.setProcessEnvironment(wine);
    desktop.start(QStringLiteral("wine"), {QStringLiteral("explorer"),
                                           QStringLiteral("/desktop=Ортелана,%1x%2").arg(screen.width()).arg(screen.height())});
    QThread::sleep(5);
    const QString minimalProgram = source + QStringLiteral("/build-windows/bench/win32/bench_minimal.exe");
    const QString windowsProgram = source + QStringLiteral("/build-windows/ortelana.exe");
    std::vector<double> minimalTimes, warmTimes, ratios;
    for (int i = 0; i <= rounds; ++i) {
        const double m = startOnce(QStringLiteral("wine"), {minimalProgram}, wine, numbersDrawn, false);
        const double w = startOnce(QStringLiteral("wine"), QStringList{windowsProgram} + year, wine, sheetDrawn, false);
        if (m < 0 || w < 0) {
            std::fprintf(stderr, "nothing drawn under warm Wine (minimal %.0f ms, Ortelana %.0f ms)\n", m, w);
            break;
        }
        if (i > 0) {
            minimalTimes.push_back(m);
            warmTimes.push_back(w);
            ratios.push_back(w / m);
        }
    }
    desktop.kill();
    desktop.waitForFinished(10000);
    endWineServer(wine);
    if (warmTimes.size() < std::size_t(rounds))
        return 1;
    report("366 numbers, minimal (warm Wine):", minimalTimes);
    report("Windows program (warm Wine):", warmTimes);
    // The ratio of each pair started one after the other holds better than the ratio
    // of the medians while the machine's load drifts.
    std::sort(ratios.begin(), ratios.end());
    std::printf("warm start against the minimal program: ratio of medians %.2fx; ratio pair by pair median %.2fx, "
                "min %.2fx, max %.2fx\n",
                median(warmTimes) / median(minimalTimes), median(ratios), ratios.front(), ratios.back());
    return 0;
}
