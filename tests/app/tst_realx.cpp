// The real program on a real X server: starts a private Xvfb, runs build/ortelana on
// it and drives it with real key and mouse events (xdotool, through XTest), then
// reads what it shows from the outside: the window's pixels grabbed through the X
// server against the program's own off-screen drawing of the expected year, the year
// box's text through the clipboard, the windows that are open, and what a stub
// xdg-open was asked to open.  Exits with 77 (skipped) when Xvfb cannot start.
#include "privatexvfb.h"
#include "sheet/sheetpage.h"
#include "ui/fonts.h"
#include "ui/surface.h"
#include "ui/vbcolor.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <sys/resource.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

using realserver::locate;
using realserver::SkipExitCode;
using realserver::Xvfb;

namespace {

// Runs a command to its end while this process keeps answering the X server (the
// program may ask us for the clipboard in the middle of it).  Returns: its output.
QString run(const QString &program, const QStringList &arguments, int *exitCode = nullptr)
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
    if (exitCode)
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

void settle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

struct Geometry
{
    QString id;
    QRect rect;
};

// Returns: the visible window with exactly this title, or an empty id.
Geometry findWindow(const QString &title)
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

} // namespace

class tst_RealX : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void scenarios_data();
    void scenarios();

private:
    bool act(const QString &step, QString &failure);
    bool startProgram(qint64 fileSizeLimit);
    void stopProgram();

    QTemporaryDir stubs;
    QString stubLog;
    std::unique_ptr<QTemporaryDir> workDir;
    std::unique_ptr<QProcess> program;
    Geometry main;
    Xvfb *ownServer = nullptr;   // a row's own screen, which the row may end
    QStringList rowEnv;          // a row's own NAME=value settings
    rlim_t softFiles = 0;        // a row's soft limit on open files, or 0
};

void tst_RealX::initTestCase()
{
    ortelana::registerFontSubstitutes();
    QVERIFY(stubs.isValid());
    // The desktop's opener, replaced by one that only notes what it was asked to open.
    stubLog = stubs.filePath(QStringLiteral("opened.log"));
    QFile stub(stubs.filePath(QStringLiteral("xdg-open")));
    QVERIFY(stub.open(QIODevice::WriteOnly));
    stub.write("#!/bin/sh\nprintf '%s\\n' \"$*\" >> \"$ORTELANA_STUB_LOG\"\n");
    stub.close();
    QVERIFY(stub.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QVERIFY2(!run(QStringLiteral("xdotool"), {QStringLiteral("version")}).isEmpty(), "xdotool is missing");

    // Two colour schemes for qt6ct: its own dark one, and a black high-contrast one.
    for (const auto &[folder, scheme] : {std::pair{"darker", "/usr/share/qt6ct/colors/darker.conf"},
                                         std::pair{"black", "black.conf"}}) {
        QVERIFY(QDir(stubs.path()).mkpath(QStringLiteral("%1/qt6ct").arg(folder)));
        QFile conf(stubs.filePath(QStringLiteral("%1/qt6ct/qt6ct.conf").arg(folder)));
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write(QStringLiteral("[Appearance]\ncustom_palette=true\nstyle=Fusion\ncolor_scheme_path=%1\n")
                       .arg(QDir(stubs.path()).absoluteFilePath(QString::fromLatin1(scheme))).toUtf8());
    }
    // WindowText, Button, Light, Midlight, Dark, Mid, Text, BrightText, ButtonText, Base,
    // Window, Shadow, Highlight, HighlightedText, Link, LinkVisited, AlternateBase, NoRole,
    // ToolTipBase, ToolTipText, PlaceholderText.
    const QByteArray black = "#ffffffff, #ff000000, #ff404040, #ff303030, #ff202020, #ff282828, #ffffffff, "
                             "#ffffffff, #ffffffff, #ff000000, #ff000000, #ff000000, #ffffff00, #ff000000, "
                             "#ff00ffff, #ffff00ff, #ff101010, #ff000000, #ff000000, #ffffffff, #ffc0c0c0";
    QFile scheme(stubs.filePath(QStringLiteral("black.conf")));
    QVERIFY(scheme.open(QIODevice::WriteOnly));
    scheme.write("[ColorScheme]\nactive_colors=" + black + "\ndisabled_colors=" + black + "\ninactive_colors=" + black + "\n");
}

bool tst_RealX::startProgram(qint64 fileSizeLimit)
{
    workDir = std::make_unique<QTemporaryDir>();
    QFile::remove(stubLog);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "XDG_CURRENT_DESKTOP", "DESKTOP_SESSION",
                             "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID", "QT_SCALE_FACTOR"})
        env.remove(QLatin1String(name));
    for (const QString &setting : rowEnv)
        env.insert(setting.section(QLatin1Char('='), 0, 0),
                   setting.section(QLatin1Char('='), 1).replace(QLatin1String("@STUBS@"), stubs.path()));
    env.insert(QStringLiteral("PATH"), stubs.path() + QLatin1Char(':') + env.value(QStringLiteral("PATH")));
    env.insert(QStringLiteral("ORTELANA_STUB_LOG"), stubLog);
    // A sanitized program must accept faketime's library loaded before its runtime.
    env.insert(QStringLiteral("ASAN_OPTIONS"), env.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":verify_asan_link_order=0"));
    program = std::make_unique<QProcess>();
    program->setProcessEnvironment(env);
    program->setWorkingDirectory(workDir->path());
    // On a row's own screen or environment the program's complaints are read by the row.
    program->setProcessChannelMode(ownServer || !rowEnv.isEmpty() ? QProcess::SeparateChannels : QProcess::ForwardedErrorChannel);
    if (fileSizeLimit >= 0 || softFiles > 0) {
        program->setChildProcessModifier([fileSizeLimit, files = softFiles] {
            const rlimit limit{rlim_t(fileSizeLimit), rlim_t(fileSizeLimit)};
            if (fileSizeLimit >= 0)
                setrlimit(RLIMIT_FSIZE, &limit);
            rlimit open{};
            getrlimit(RLIMIT_NOFILE, &open);
            open.rlim_cur = files > 0 ? files : open.rlim_cur;
            setrlimit(RLIMIT_NOFILE, &open);
        });
    }
    program->start(QStringLiteral(ORTELANA_BINARY), {});
    if (!program->waitForStarted())
        return false;
    QElapsedTimer waited;
    waited.start();
    while ((main = findWindow(QStringLiteral("Ортелана"))).id.isEmpty() && waited.elapsed() < 15000)
        settle(100);
    if (main.id.isEmpty())
        return false;
    run(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QStringLiteral("--sync"), main.id});
    settle(300);
    return true;
}

void tst_RealX::stopProgram()
{
    if (program && program->state() != QProcess::NotRunning) {
        program->kill();
        program->waitForFinished();
    }
    program.reset();
}

// Steps of a scenario, separated by blanks; the text after the colon is the argument
// (a "~" stands for a blank inside it).
//   key:K[,K...]   keys through XTest (xdotool key names)
//   type:T         typed characters
//   clip:T, sel:T  this process offers T as the clipboard / the primary selection
//   middle:box     a middle click at the right end of the year box
//   wheel:down|up  one wheel notch over the sheet (down is towards the user)
//   menu:N         a click on «Меню», N times Down, Enter
//   click:W@X,Y    a left click at (X, Y) in the window titled W
//   sheet:Y[/off]  the sheet shows year Y (old-style box unchecked with /off)
//   box:T          the year box holds T (read with a click, Ctrl+A, Ctrl+C)
//   see:W, gone:W  a window titled W is shown / is not
//   opened:help    the opener was given the help document beside the program
//   opened:page    the opener was given 0.html of the working folder, written whole
//   opened:none    the opener was not asked for anything
//   absent:F       no file F in the working folder
//   centred        the main window's frame (with the window manager's decoration, if
//                  any) stands centred on the screen, within 2 pixels
//   exit:N         the program ended with status N
//   alive          the program still runs
//   onscreen       the window's top-left corner is on the screen
//   xdeath         the row's own X server ends
//   err:T          the program said exactly one line, containing T
//   contrast       on the sheet as shown, the day numbers and weekday abbreviations
//                  stand at 4.5:1 or more against the sheet's background (its most
//                  common colour), the month names and red days at 3:1 or more
// A row may begin with, in this order: screen:WxH, an X server of its own of that size;
// clock:YYYY-MM-DD, libfaketime at that date (preloaded into the program, so that
// ending the program ends the window); files:N, a soft limit of N open files; and
// env:NAME=value, set for the program (@STUBS@ in it: the test's folder of stand-ins).
bool tst_RealX::act(const QString &step, QString &failure)
{
    const QString verb = step.section(QLatin1Char(':'), 0, 0);
    const QString arg = step.section(QLatin1Char(':'), 1).replace(QLatin1Char('~'), QLatin1Char(' '));
    const QString xdotool = QStringLiteral("xdotool");
    const auto poll = [&](const std::function<bool()> &check, const QString &what) {
        QElapsedTimer waited;
        waited.start();
        while (!check()) {
            if (waited.elapsed() > 8000) {
                failure = what;
                return false;
            }
            settle(50);
        }
        return true;
    };
    // An action xdotool refuses (a misspelt key name) fails the step.
    const auto xdo = [&](const QStringList &args) {
        int status = 0;
        run(xdotool, args, &status);
        if (status != 0)
            failure = QStringLiteral("xdotool %1 failed").arg(args.join(QLatin1Char(' ')));
        return status == 0;
    };
    const auto moveTo = [&](const QPoint &at) {
        return xdo({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y())});
    };

    // Points in the main window's client area, which lies below the menu bar.
    const auto inClient = [&](int x, int y) {
        return main.rect.topLeft() + QPoint(x, main.rect.height() - 508 + y);
    };
    const QString click = QStringLiteral("click");
    if (verb == QLatin1String("key")) {
        if (!xdo(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("30")}
                 + arg.split(QLatin1Char(','))))
            return false;
    } else if (verb == QLatin1String("type")) {
        if (!xdo({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"), arg}))
            return false;
    } else if (verb == QLatin1String("clip") || verb == QLatin1String("sel")) {
        QGuiApplication::clipboard()->setText(arg, verb == QLatin1String("clip") ? QClipboard::Clipboard
                                                                                 : QClipboard::Selection);
        settle(100);
    } else if (verb == QLatin1String("middle")) {
        // The year box is at (48, 474), 89 × 31: past the end of its text.
        if (!moveTo(inClient(48 + 80, 474 + 15)) || !xdo({click, QStringLiteral("2")}))
            return false;
    } else if (verb == QLatin1String("wheel")) {
        if (!moveTo(inClient(300, 77 + 200))
            || !xdo({click, arg == QLatin1String("down") ? QStringLiteral("5") : QStringLiteral("4")}))
            return false;
    } else if (verb == QLatin1String("menu")) {
        // «Меню» is the first title of the menu bar, at the window's top left.
        if (!moveTo(main.rect.topLeft() + QPoint(20, 8)) || !xdo({click, QStringLiteral("1")}))
            return false;
        settle(300);
        QStringList keys{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("60")};
        for (int i = 0; i < arg.toInt(); ++i)
            keys << QStringLiteral("Down");
        if (!xdo(keys << QStringLiteral("Return")))
            return false;
    } else if (verb == QLatin1String("click")) {
        Geometry target;
        if (!poll([&] { return !(target = findWindow(arg.section(QLatin1Char('@'), 0, 0))).id.isEmpty(); },
                  QStringLiteral("no window to click in")))
            return false;
        const QStringList xy = arg.section(QLatin1Char('@'), 1).split(QLatin1Char(','));
        if (!moveTo(target.rect.topLeft() + QPoint(xy[0].toInt(), xy[1].toInt())) || !xdo({click, QStringLiteral("1")}))
            return false;
    } else if (verb == QLatin1String("sheet")) {
        const ortelana::SheetRequest request{arg.section(QLatin1Char('/'), 0, 0).toLongLong(),
                                             !arg.endsWith(QLatin1String("/off"))};
        const QImage expected = ortelana::sheetImage(request, 1);
        return poll([&] {
            const QImage shown = QGuiApplication::primaryScreen()->grabWindow(0, main.rect.x(), main.rect.y(),
                                                                             main.rect.width(), main.rect.height())
                                     .toImage();
            return locate(shown, expected).x() >= 0;
        }, QStringLiteral("the window does not show the sheet of ") + arg);
    } else if (verb == QLatin1String("box")) {
        QGuiApplication::clipboard()->clear();
        if (!moveTo(inClient(48 + 40, 474 + 15)) || !xdo({click, QStringLiteral("1")})
            || !xdo({QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("30"), QStringLiteral("ctrl+a"),
                     QStringLiteral("ctrl+c")}))
            return false;
        QString seen;
        if (poll([&] { return (seen = QGuiApplication::clipboard()->text()) == arg; }, QString()))
            return true;
        failure = QStringLiteral("the year box holds \"%1\", not \"%2\"").arg(seen, arg);
        return false;
    } else if (verb == QLatin1String("see") || verb == QLatin1String("gone")) {
        const bool wanted = verb == QLatin1String("see");
        return poll([&] { return findWindow(arg).id.isEmpty() != wanted; },
                    QStringLiteral("window \"%1\" is %2").arg(arg, wanted ? "missing" : "still there"));
    } else if (verb == QLatin1String("opened")) {
        const auto log = [&] {
            QFile file(stubLog);
            return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).trimmed() : QString();
        };
        if (arg == QLatin1String("none")) {
            settle(1000);
            if (!log().isEmpty())
                failure = QStringLiteral("the opener was asked for ") + log();
            return log().isEmpty();
        }
        const QString expected = arg == QLatin1String("help")
            ? QFileInfo(QStringLiteral(ORTELANA_BINARY)).absolutePath() + QStringLiteral("/Справка.html")
            : QDir(workDir->path()).filePath(QStringLiteral("0.html"));
        if (!poll([&] { return !log().isEmpty(); }, QStringLiteral("the opener was not asked")))
            return false;
        const QString asked = QUrl::fromUserInput(log()).toLocalFile();
        if (QFileInfo(asked).canonicalFilePath() != QFileInfo(expected).canonicalFilePath()) {
            failure = QStringLiteral("the opener was given %1, not %2").arg(log(), expected);
            return false;
        }
        if (arg == QLatin1String("page")) {
            QFile page(expected);
            if (!page.open(QIODevice::ReadOnly) || !page.readAll().endsWith("</html>\r\n")) {
                failure = QStringLiteral("0.html is not a whole page");
                return false;
            }
        }
    } else if (verb == QLatin1String("absent")) {
        if (QFileInfo::exists(QDir(workDir->path()).filePath(arg))) {
            failure = arg + QStringLiteral(" was written");
            return false;
        }
    } else if (verb == QLatin1String("centred")) {
        // The client's place on the screen, grown by the frame extents a manager sets.
        QRect frame;
        for (const QString &line : run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), main.id}).split(QLatin1Char('\n'))) {
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
        const QStringList extents = run(QStringLiteral("xprop"), {QStringLiteral("-id"), main.id, QStringLiteral("_NET_FRAME_EXTENTS")})
                                        .section(QLatin1Char('='), 1).split(QLatin1Char(','));
        if (extents.size() == 4)
            frame.adjust(-extents[0].toInt(), -extents[2].toInt(), extents[1].toInt(), extents[3].toInt());
        const QPointF offset = QRectF(frame).center() - QRectF(QGuiApplication::primaryScreen()->geometry()).center();
        if (frame.isEmpty() || std::abs(offset.x()) > 2 || std::abs(offset.y()) > 2) {
            failure = QStringLiteral("the frame %1 × %2 at (%3, %4) is off the centre by (%5, %6)")
                          .arg(frame.width()).arg(frame.height()).arg(frame.x()).arg(frame.y())
                          .arg(offset.x()).arg(offset.y());
            return false;
        }
    } else if (verb == QLatin1String("exit")) {
        if (!poll([&] { return program->state() == QProcess::NotRunning; }, QStringLiteral("the program still runs")))
            return false;
        if (program->exitStatus() != QProcess::NormalExit || program->exitCode() != arg.toInt()) {
            failure = QStringLiteral("the program ended with status %1").arg(program->exitCode());
            return false;
        }
    } else if (verb == QLatin1String("alive")) {
        settle(500);
        if (program->state() != QProcess::Running) {
            failure = QStringLiteral("the program died, status %1").arg(program->exitCode());
            return false;
        }
    } else if (verb == QLatin1String("onscreen")) {
        const QStringList size = QString::fromStdString(ownServer ? ownServer->screen : Xvfb().screen).split(QLatin1Char('x'));
        const QRect screen(0, 0, size[0].toInt(), size[1].toInt());
        main = findWindow(QStringLiteral("Ортелана"));
        if (!screen.contains(main.rect.topLeft())) {
            failure = QStringLiteral("the window stands at %1,%2").arg(main.rect.x()).arg(main.rect.y());
            return false;
        }
    } else if (verb == QLatin1String("xdeath") && ownServer) {
        ownServer->stop();
    } else if (verb == QLatin1String("err")) {
        const QStringList lines = QString::fromUtf8(program->readAllStandardError()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        if (lines.size() != 1 || !lines.front().contains(arg)) {
            failure = QStringLiteral("the program said: ") + lines.join(QLatin1Char('|'));
            return false;
        }
    } else if (verb == QLatin1String("contrast")) {
        const QRect sheet(inClient(2, 77 + 2), QSize(629, 389));
        const QImage shown = QGuiApplication::primaryScreen()
                                 ->grabWindow(0, sheet.x(), sheet.y(), sheet.width(), sheet.height()).toImage();
        QHash<QRgb, int> counts;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                ++counts[shown.pixel(x, y) | 0xFF000000u];
        QRgb background = 0;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it)
            background = it.value() > counts.value(background) ? it.key() : background;
        QStringList measured;
        for (const auto &[ink, least] : {std::pair{ortelana::colors::DayNumber, 4.5}, std::pair{ortelana::colors::DarkBlue, 4.5},
                                         std::pair{ortelana::colors::Purple, 3.0}, std::pair{ortelana::colors::Red, 3.0}}) {
            const QRgb rgb = ortelana::bgrToRgb(ink) | 0xFF000000u;
            const double ratio = ortelana::contrastRatio(QColor(rgb), QColor(background));
            measured << QStringLiteral("%1 %2:1").arg(QColor(rgb).name()).arg(ratio, 0, 'f', 2);
            if (!counts.contains(rgb) || ratio < least)
                failure = QStringLiteral("%1 (%2 pixels) on %3: %4:1, less than %5:1")
                              .arg(QColor(rgb).name()).arg(counts.value(rgb)).arg(QColor(background).name())
                              .arg(ratio, 0, 'f', 2).arg(least);
        }
        qInfo("background %s: %s", qPrintable(QColor(background).name()), qPrintable(measured.join(QStringLiteral(", "))));
        return failure.isEmpty();
    } else {
        failure = QStringLiteral("unknown step ") + step;
        return false;
    }
    settle(150);
    return true;
}

void tst_RealX::scenarios_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<qint64>("fileSizeLimit");   // bytes, -1 for none
    const qint64 none = -1;
    const QString clear = QStringLiteral("key:ctrl+a,BackSpace ");
    QTest::newRow("a year and Enter") << clear + "type:1917 key:Return sheet:1917 box:1917" << none;
    QTest::newRow("Delete") << clear + "type:51944 key:Home,Delete key:Return sheet:1944 box:1944" << none;
    QTest::newRow("keypad Delete") << clear + "type:51944 key:Home,KP_Delete key:Return sheet:1944 box:1944" << none;
    QTest::newRow("a selection deleted")
        << clear + "type:1917 key:Home,shift+Right,shift+Right,Delete key:Return sheet:17 box:17" << none;
    QTest::newRow("Backspace") << clear + "type:19455 key:BackSpace,Return sheet:1945 box:1945" << none;
    QTest::newRow("Ctrl+H") << clear + "type:19455 key:ctrl+h,Return sheet:1945 box:1945" << none;
    QTest::newRow("Home, End and arrows")
        << clear + "type:15 key:Home,Right type:9 key:End type:4 key:Left,Left,Right,Return sheet:1954 box:1954"
        << none;
    QTest::newRow("letters, minus, point ignored")
        << clear + "type:2a-0.~0b5 key:Return sheet:2005 box:2005" << none;
    QTest::newRow("Shift+Insert refuses -5, 1.5, abc and takes 17")
        << clear + "type:19 clip:-5 key:shift+Insert clip:1.5 key:shift+Insert clip:abc key:shift+Insert "
                   "clip:17 key:End,shift+Insert,Return sheet:1917 box:1917" << none;
    QTest::newRow("middle click refuses -5, 1.5, abc and takes 17")
        << clear + "type:19 sel:-5 middle:box sel:1.5 middle:box sel:abc middle:box sel:17 middle:box "
                   "key:Return sheet:1917 box:1917" << none;
    QTest::newRow("year 0") << clear + "type:1917 key:Return sheet:1917 key:ctrl+a type:0 key:Return see:Ошибка "
                                       "key:Return gone:Ошибка sheet:1917 box:0" << none;
    QTest::newRow("old style off, Page Down, Page Up")
        << clear + "type:1916 key:Return key:Tab,space sheet:1916/off key:Next sheet:1917/off box:1917 "
                   "key:Prior,Prior sheet:1915/off box:1915" << none;
    QTest::newRow("wheel steps years") << clear + "type:2005 key:Return wheel:down sheet:2006 wheel:up wheel:up "
                                                  "sheet:2004 box:2004" << none;
    QTest::newRow("the ends hold") << clear + "type:9999999 key:Return key:Next sheet:9999999 box:9999999 "
                                              "key:ctrl+a type:1 key:Return key:Prior sheet:1 box:1" << none;
    QTest::newRow("F4 opens the week numbers, Esc closes")
        << "key:F4 see:Номера~недель key:Down,Escape gone:Номера~недель alive" << none;
    QTest::newRow("F1 opens the help") << "key:F1 opened:help alive" << none;
    QTest::newRow("About link writes and opens the page")
        << "menu:3 see:О~программе click:О~программе@200,64 opened:page key:Return gone:О~программе alive" << none;
    QTest::newRow("About link over the file size limit") << "menu:3 see:О~программе click:О~программе@200,64 "
                                                            "opened:none absent:0.html alive key:Return "
                                                            "gone:О~программе alive" << qint64(0);
    QTest::newRow("Выход ends the program") << "menu:4 exit:0" << none;
    QTest::newRow("a clock at 10 000") << "clock:10000-03-01 sheet:10000 box:10000" << none;
    QTest::newRow("a clock at year 3") << "clock:0003-06-01 sheet:3 box:3" << none;
    for (const char *factor : {"0", "nan", "-1"})
        QTest::newRow(QByteArray("QT_SCALE_FACTOR=") + factor + " is dropped")
            << QStringLiteral("env:QT_SCALE_FACTOR=%1 onscreen ").arg(QLatin1String(factor)) + clear
                   + "type:1917 key:Return sheet:1917 box:1917 err:QT_SCALE_FACTOR" << none;
    QTest::newRow("a soft limit of 8 open files is raised") << "files:8 " + clear + "type:1917 key:Return sheet:1917" << none;
    QTest::newRow("a 320 x 240 screen: the menu is on it") << "screen:320x240x24 onscreen menu:4 exit:0" << none;
    QTest::newRow("the X server ends") << "screen:640x480x24 onscreen xdeath exit:1 err:X-сервером" << none;
    QTest::newRow("F10 opens the menu") << "key:F10 key:Down,Return see:Номера~недель" << none;
    QTest::newRow("default palette: ink readable") << "contrast" << none;
    QTest::newRow("GTK Adwaita-dark: ink readable")
        << "env:QT_QPA_PLATFORMTHEME=gtk3 env:GTK_THEME=Adwaita:dark contrast" << none;
    QTest::newRow("qt6ct darker: ink readable")
        << "env:QT_QPA_PLATFORMTHEME=qt6ct env:XDG_CONFIG_HOME=@STUBS@/darker contrast" << none;
    QTest::newRow("a black palette: ink readable")
        << "env:QT_QPA_PLATFORMTHEME=qt6ct env:XDG_CONFIG_HOME=@STUBS@/black contrast" << none;
    QTest::newRow("centred") << "centred" << none;
    QTest::newRow("centred under a window manager") << "openbox centred key:F4 see:Номера~недель" << none;
}

void tst_RealX::scenarios()
{
    QFETCH(QString, steps);
    QFETCH(qint64, fileSizeLimit);
    QStringList list = steps.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    Xvfb own;
    const QByteArray sharedDisplay = qgetenv("DISPLAY");
    if (list.front().startsWith(QLatin1String("screen:"))) {
        own.screen = list.takeFirst().section(QLatin1Char(':'), 1).toStdString();
        if (!own.start())
            QSKIP("a second Xvfb could not start");
        ownServer = &own;
        // The program and xdotool go to the row's server; this process stays on its own.
        qputenv("DISPLAY", QByteArray(":") + QByteArray::number(own.display));
    }
    if (list.front().startsWith(QLatin1String("clock:"))) {
        if (QStandardPaths::findExecutable(QStringLiteral("faketime")).isEmpty())
            QSKIP("faketime is not installed");
        // As the faketime command sets it: an offset in seconds, which reaches any year.
        const QStringList ymd = list.takeFirst().section(QLatin1Char(':'), 1).split(QLatin1Char('-'));
        const QDate date(ymd[0].toInt(), ymd[1].toInt(), ymd[2].toInt());   // "yyyy" reads four digits only
        const qint64 offset = QDateTime(date, QTime(12, 0), Qt::UTC).toSecsSinceEpoch() - QDateTime::currentSecsSinceEpoch();
        rowEnv << QStringLiteral("LD_PRELOAD=/usr/$LIB/faketime/libfaketime.so.1")
               << QStringLiteral("FAKETIME=%1%2").arg(offset < 0 ? "" : "+").arg(offset);
    }
    if (list.front().startsWith(QLatin1String("files:")))
        softFiles = list.takeFirst().section(QLatin1Char(':'), 1).toULong();
    while (list.front().startsWith(QLatin1String("env:")))
        rowEnv << list.takeFirst().section(QLatin1Char(':'), 1);
    // "openbox": the row runs under that window manager, started before the program.
    QProcess manager;
    const auto cleanup = qScopeGuard([&] {
        stopProgram();
        manager.kill();
        manager.waitForFinished();
        own.stop();
        ownServer = nullptr;
        rowEnv.clear();
        softFiles = 0;
        qputenv("DISPLAY", sharedDisplay);
    });
    if (list.front() == QLatin1String("openbox")) {
        list.removeFirst();
        manager.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
        QVERIFY2(manager.waitForStarted(), "openbox is missing");
        QElapsedTimer waited;
        waited.start();
        while (!run(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")})
                    .contains(QLatin1String("window id")) && waited.elapsed() < 10000)
            settle(100);
    }
    QVERIFY2(startProgram(fileSizeLimit), "the program's window did not appear");
    for (const QString &step : list) {
        QString failure;
        QVERIFY2(act(step, failure), qPrintable(step + QStringLiteral(": ") + failure));
    }
}

int main(int argc, char *argv[])
{
    Xvfb server;
    if (!server.start()) {
        std::puts("SKIP: Xvfb could not start");
        return SkipExitCode;
    }
    const auto stop = qScopeGuard([&] { server.stop(); });
    qputenv("DISPLAY", QByteArray(":") + QByteArray::number(server.display));
    qputenv("QT_QPA_PLATFORM", "xcb");
    qunsetenv("QT_SCALE_FACTOR");
    QApplication app(argc, argv);
    tst_RealX test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_realx.moc"
