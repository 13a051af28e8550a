// Start-to-drawn-sheet time of the Windows program under Wine and of the Linux program,
// side by side in one run on one private Xvfb: from the start of the process until a
// picture of the screen shows the 2005 sheet slot for slot (tests/win32/sheetprobe.h).
// Each program is started ROUNDS times (default 5) after one start that is not
// counted; Wine's server is ended after every run, so each Wine start is a cold one.
//     tests/session/ortelana-session --x11 --screen 1024x768x24 -- build/bench/bench_start [ROUNDS]
// (a private Xvfb the size of Wine's virtual desktop in the prefix of scripts/wine-run).
// Needs build/ortelana (make build) and build-windows/ortelana.exe (make windows).
#include "sheetprobe.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Returns: milliseconds until the sheet is on the screen, or -1 after 120 s.
double startOnce(const QString &program, const QStringList &arguments, const QProcessEnvironment &environment,
                 bool wine)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    double elapsed = -1;
    while (clock.elapsed() < 120000) {
        if (sheetprobe::findSheet(sheetprobe::screenshot(), 2005, true)) {
            elapsed = double(clock.nsecsElapsed()) / 1e6;
            break;
        }
        QThread::msleep(10);
    }
    process.kill();
    process.waitForFinished(10000);
    if (wine) {
        QProcess server;
        server.setProcessEnvironment(environment);
        server.start(QStringLiteral("wineserver"), {QStringLiteral("-k")});
        server.waitForFinished(20000);
        QThread::msleep(500);
    }
    return elapsed;
}

void report(const char *name, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    double sum = 0;
    for (const double t : times)
        sum += t;
    std::printf("%-28s median %6.0f ms, min %6.0f ms, max %6.0f ms, mean %6.0f ms (%zu runs)\n", name,
                times[times.size() / 2], times.front(), times.back(), sum / double(times.size()), times.size());
}

} // namespace

int main(int argc, char *argv[])
{
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fprintf(stderr, "no DISPLAY: run it in tests/session/ortelana-session --x11\n");
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);

    const QString source = QStringLiteral(ORTELANA_SOURCE_DIR);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("WINEPREFIX"), source + QStringLiteral("/build-windows/wine/run/prefix"));
    QProcessEnvironment linux = environment;
    linux.remove(QStringLiteral("QT_QPA_PLATFORM"));
    const QStringList year{QStringLiteral("--year"), QStringLiteral("2005")};
    const QString linuxProgram = source + QStringLiteral("/build/ortelana");
    const QString wineRun = source + QStringLiteral("/scripts/wine-run");

    std::vector<double> linuxTimes, wineTimes;
    for (int i = 0; i <= rounds; ++i) {
        const double l = startOnce(linuxProgram, year, linux, false);
        const double w = startOnce(wineRun, year, environment, true);
        if (l < 0 || w < 0) {
            std::fprintf(stderr, "the sheet did not appear (Linux %.0f ms, Wine %.0f ms)\n", l, w);
            return 1;
        }
        if (i > 0) {   // the first start of each fills caches and is not counted
            linuxTimes.push_back(l);
            wineTimes.push_back(w);
        }
    }
    report("Linux program (Qt):", linuxTimes);
    report("Windows program (Wine):", wineTimes);
    return 0;
}
