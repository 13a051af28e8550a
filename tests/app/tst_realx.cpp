// The real program on a real X server (the session's Xvfb): runs build/ortelana there
// and drives it with real key and mouse events, then reads what it shows from the
// outside: the window's pixels grabbed through the X server against the program's own
// off-screen drawing of the expected year, the year box's text through the clipboard,
// the windows that are open, and what the session's stand-in opener was asked to
// open.
#include "behaviour/words.h"
#include "pixelprobe.h"
#include "session/steps.h"
#include "sheet/sheetpage.h"
#include "paint/fonts.h"
#include "paint/surface.h"
#include "paint/vbcolor.h"
#include "ui/qtext.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <sys/resource.h>

#include <cstdio>

using session::findWindow;
using session::poll;
using session::run;
using session::screenArea;
using session::settle;

namespace {

// A row's own X server: a session of the launcher of its own, which ends its server
// when its input is closed.
struct OwnScreen
{
    QProcess session;

    bool resets = false;   // a bare server: it resets whenever its last client leaves

    // Returns: its display, or an empty text when it could not start.
    QByteArray start(const QString &screen, bool bare = false)
    {
        resets = bare;
        QStringList arguments{QStringLiteral("--x11"), QStringLiteral("--screen"), screen};
        if (bare)
            arguments << QStringLiteral("--bare");
        session.start(QStringLiteral(ORTELANA_SESSION), arguments + QStringList{QStringLiteral("sh"), QStringLiteral("-c"),
                                                                                QStringLiteral("echo \"$DISPLAY\"; exec cat >/dev/null")});
        const QByteArray display = session.waitForReadyRead(30000) ? session.readLine().trimmed() : QByteArray();
        return display.startsWith(':') ? display : QByteArray();
    }

    void stop()
    {
        session.closeWriteChannel();
        if (!session.waitForFinished(15000))
            session.kill();
    }
};

} // namespace

class tst_RealX : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void scenarios_data();
    void scenarios();

private:
    bool startProgram(qint64 fileSizeLimit);
    void stopProgram();

    // What the session's stand-in for the desktop's opener was asked to open.
    const QString stubLog = qEnvironmentVariable("ORTELANA_OPENED");
    std::unique_ptr<QTemporaryDir> workDir;
    std::unique_ptr<QProcess> program;
    session::Window main;
    OwnScreen *ownServer = nullptr;   // a row's own screen, which the row may end
    QStringList rowEnv;               // a row's own NAME=value settings
    rlim_t softFiles = 0;             // a row's soft limit on open files, or 0
    QTemporaryDir schemes;            // qt6ct settings for the palette rows
    session::Steps driver{30};
};

void tst_RealX::initTestCase()
{
    ortelana::registerFontSubstitutes();
    QVERIFY2(!stubLog.isEmpty(), "no stand-in opener (ortelana-session --opener)");
    QVERIFY2(!run(QStringLiteral("xdotool"), {QStringLiteral("version")}).isEmpty(), "xdotool is missing");

    // The steps of a scenario besides the shared ones and those of windows
    // (session/steps.h):
    //   middle:box     a middle click at the right end of the year box
    //   wheel:down|up  one wheel notch over the sheet (down is towards the user)
    //   menu:N         a click on «Меню», N times Down, Enter
    //   sheet:Y[/off]  the sheet shows year Y (old-style box unchecked with /off)
    //   box:T          the year box holds T (read with a click, Ctrl+A, Ctrl+C)
    //   opened:help    the opener was given the help document beside the program
    //   opened:page    the opener was given 0.html of the working folder, written whole
    //   opened:none    the opener was not asked for anything
    //   absent:F       no file F in the working folder
    //   onscreen       the window's top-left corner is on the screen
    //   xdeath         the row's own X server ends
    //   restart        the program is ended and started again; its window must appear
    //   contrast:P     measured on the screen's pixels of picture P: on the sheet (P =
    //                  sheet) and the week numbers (P = weeks), the day numbers, weekday
    //                  abbreviations and week numbers stand at 4.5:1 or more against the
    //                  picture's most common colour, the month names and red days at 3:1;
    //                  the texts of the About window (P = about) and the sheet's «Год:» and
    //                  caption, their ink (the colour farthest from the box's most common)
    //                  at 4.5:1 against that colour
    // A row may begin with, in this order: screen:WxH, an X server of its own of that size,
    // or bare, one of its own that resets whenever its last client leaves;
    // files:N, a soft limit of N open files; and env:NAME=value, set for the program
    // (@SCHEMES@ in it: the folder of qt6ct settings below).
    QString &failure = driver.failure;
    // Points in the main window's client area, which lies below the menu bar.
    const auto inClient = [this](int x, int y) { return main.rect.topLeft() + QPoint(x, main.rect.height() - 508 + y); };
    driver.defineWindowVerbs();
    // The year box is at (48, 474), 89 × 31: past the end of its text.
    driver.define(QStringLiteral("middle"), [=, this](const QString &) { return driver.click(inClient(48 + 80, 474 + 15), 2); });
    driver.define(QStringLiteral("wheel"), [=, this](const QString &way) {
        return driver.click(inClient(300, 77 + 200), way == QLatin1String("down") ? 5 : 4);
    });
    driver.define(QStringLiteral("menu"), [this](const QString &downs) {
        // «Меню» is the first title of the menu bar, at the window's top left.
        if (!driver.click(main.rect.topLeft() + QPoint(20, 8)))
            return false;
        settle(300);
        return driver.key(QStringList(downs.toInt(), QStringLiteral("Down")).join(QLatin1Char(',')) + QStringLiteral(",Return"));
    });
    driver.define(QStringLiteral("sheet"), [&failure, this](const QString &year) {
        const QImage expected = ortelana::sheetImage(
            ortelana::SheetRequest{year.section(QLatin1Char('/'), 0, 0).toLongLong(), !year.endsWith(QLatin1String("/off"))}, 1);
        failure = QStringLiteral("the window does not show the sheet of ") + year;
        return poll([&] {
            const QRect &r = main.rect;
            return session::locate(QGuiApplication::primaryScreen()->grabWindow(0, r.x(), r.y(), r.width(), r.height()).toImage(),
                                   expected).x() >= 0;
        });
    });
    driver.define(QStringLiteral("box"), [=, &failure, this](const QString &text) {
        QGuiApplication::clipboard()->clear();
        if (!driver.click(inClient(48 + 40, 474 + 15)) || !driver.key(QStringLiteral("ctrl+a,ctrl+c")))
            return false;
        QString seen;
        const bool held = poll([&] { return (seen = QGuiApplication::clipboard()->text()) == text; });
        failure = QStringLiteral("the year box holds \"%1\", not \"%2\"").arg(seen, text);
        return held;
    });
    driver.define(QStringLiteral("opened"), [&failure, this](const QString &what) {
        const auto log = [&] {
            QFile file(stubLog);
            return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).trimmed() : QString();
        };
        if (what == QLatin1String("none")) {
            settle(1000);
            failure = QStringLiteral("the opener was asked for ") + log();
            return log().isEmpty();
        }
        const QString expected = what == QLatin1String("help")
            ? QFileInfo(QStringLiteral(ORTELANA_BINARY)).absolutePath() + QStringLiteral("/Справка.html")
            : QDir(workDir->path()).filePath(QStringLiteral("0.html"));
        failure = QStringLiteral("the opener was not asked");
        if (!poll([&] { return !log().isEmpty(); }))
            return false;
        failure = QStringLiteral("the opener was given %1, not %2").arg(log(), expected);
        if (QFileInfo(QUrl::fromUserInput(log()).toLocalFile()).canonicalFilePath() != QFileInfo(expected).canonicalFilePath())
            return false;
        QFile page(expected);
        failure = QStringLiteral("0.html is not a whole page");
        return what != QLatin1String("page") || (page.open(QIODevice::ReadOnly) && page.readAll().endsWith("</html>\r\n"));
    });
    driver.define(QStringLiteral("absent"), [&failure, this](const QString &name) {
        failure = name + QStringLiteral(" was written");
        return !QFileInfo::exists(QDir(workDir->path()).filePath(name));
    });
    driver.define(QStringLiteral("onscreen"), [&failure, this](const QString &) {
        // The screen of the display the program is on, which may be the row's own.
        const QStringList size = run(QStringLiteral("xdotool"), {QStringLiteral("getdisplaygeometry")}).split(QLatin1Char(' '));
        main = findWindow(QStringLiteral("Ортелана"));
        failure = QStringLiteral("the window stands at %1,%2 of %3").arg(main.rect.x()).arg(main.rect.y()).arg(size.join('x'));
        return size.size() == 2 && QRect(0, 0, size[0].toInt(), size[1].toInt()).contains(main.rect.topLeft());
    });
    driver.define(QStringLiteral("xdeath"), [this](const QString &) {
        if (ownServer)
            ownServer->stop();
        return ownServer != nullptr;
    });
    driver.define(QStringLiteral("restart"), [&failure, this](const QString &) {
        // A bare server resets once the program, its only client, has left.
        stopProgram();
        settle(1000);
        if (startProgram(-1))
            return true;
        failure = QStringLiteral("no window; the program said: ") + QString::fromUtf8(program->readAllStandardError());
        return false;
    });
    driver.define(QStringLiteral("contrast"), [&failure, inClient](const QString &picture) {
        using namespace ortelana;
        QStringList measured;
        failure.clear();
        const auto measure = [&](const QString &what, QRgb ink, QRgb under, bool drawn, double least) {
            const double ratio = contrastRatio(QColor(ink), QColor(under));
            measured << QStringLiteral("%1 %2 %3:1").arg(what, QColor(ink).name()).arg(ratio, 0, 'f', 2);
            if (!drawn || ratio < least)
                failure = QStringLiteral("%1 %2 (%3) on %4: %5:1, less than %6:1")
                              .arg(what, QColor(ink).name(), drawn ? QStringLiteral("drawn") : QStringLiteral("not drawn"), QColor(under).name())
                              .arg(ratio, 0, 'f', 2).arg(least);
        };
        // Each text's ink is its colour farthest from its box's most common colour.
        const auto texts = [&](const QList<QRect> &boxes) {
            for (const QRect &box : boxes) {
                const QImage shown = screenArea(box);
                const QRgb under = probe::mostCommon(shown, shown.rect());
                const QColor ink = probe::inkIn(shown, shown.rect(), QColor(under));
                measure(QStringLiteral("text at %1,%2").arg(box.x()).arg(box.y()), ink.isValid() ? ink.rgb() : under, under,
                        ink.isValid(), 4.5);
            }
        };
        if (picture == QLatin1String("about")) {
            // Each text and the link.
            const QPoint at = findWindow(QStringLiteral("О программе")).rect.topLeft();
            QList<QRect> boxes{toQRect(layout::about::Link).translated(at)};
            for (const words::AboutLabel &label : words::aboutLabels())
                boxes << toQRect(label.place).translated(at);
            texts(boxes);
        } else {
            const bool weeks = picture == QLatin1String("weeks");
            const QRect area = weeks ? QRect(findWindow(QStringLiteral("Номера недель")).rect.topLeft() + QPoint(128 + 2, 32 + 2),
                                             QSize(185 - 4, 169 - 4))
                                     : QRect(inClient(2, 77 + 2), QSize(629, 389));
            const QImage shown = screenArea(area);
            const QRgb background = probe::mostCommon(shown, shown.rect());
            for (const auto &[what, ink, least] : {std::tuple{"days", colors::DayNumber, 4.5}, std::tuple{"weekdays", colors::DarkBlue, 4.5},
                                                   std::tuple{weeks ? "week numbers" : "months", weeks ? colors::WeekNumber : colors::Purple,
                                                              weeks ? 4.5 : 3.0},
                                                   std::tuple{"red", colors::Red, 3.0}}) {
                const QRgb rgb = bgrToRgb(ink) | 0xFF000000u;
                const bool drawn = !probe::inkBoundsWhere(shown, [rgb](QRgb pixel) { return pixel == rgb; }).isEmpty();
                measure(QLatin1String(what), rgb, background, drawn, least);
            }
            if (!weeks)   // «Год:» and the caption, which follow the palette
                texts({QRect(inClient(8, 480), QSize(38, 20)), QRect(inClient(144, 480), QSize(225, 25))});
        }
        qInfo("%s: %s", qPrintable(picture), qPrintable(measured.join(QStringLiteral(", "))));
        return failure.isEmpty();
    });

    // Two colour schemes for qt6ct: its own dark one, and a black high-contrast one.
    QVERIFY(schemes.isValid());
    for (const auto &[folder, scheme] : {std::pair{"darker", "/usr/share/qt6ct/colors/darker.conf"},
                                         std::pair{"black", "black.conf"}}) {
        QVERIFY(QDir(schemes.path()).mkpath(QStringLiteral("%1/qt6ct").arg(folder)));
        QFile conf(schemes.filePath(QStringLiteral("%1/qt6ct/qt6ct.conf").arg(folder)));
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write(QStringLiteral("[Appearance]\ncustom_palette=true\nstyle=Fusion\ncolor_scheme_path=%1\n")
                       .arg(QDir(schemes.path()).absoluteFilePath(QString::fromLatin1(scheme))).toUtf8());
    }
    // WindowText, Button, Light, Midlight, Dark, Mid, Text, BrightText, ButtonText, Base,
    // Window, Shadow, Highlight, HighlightedText, Link, LinkVisited, AlternateBase, NoRole,
    // ToolTipBase, ToolTipText, PlaceholderText.
    const QByteArray black = "#ffffffff, #ff000000, #ff404040, #ff303030, #ff202020, #ff282828, #ffffffff, "
                             "#ffffffff, #ffffffff, #ff000000, #ff000000, #ff000000, #ffffff00, #ff000000, "
                             "#ff00ffff, #ffff00ff, #ff101010, #ff000000, #ff000000, #ffffffff, #ffc0c0c0";
    QFile scheme(schemes.filePath(QStringLiteral("black.conf")));
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
                   setting.section(QLatin1Char('='), 1).replace(QLatin1String("@SCHEMES@"), schemes.path()));
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
    // On a bare server the program is left to connect on its own before xdotool does:
    // another client would keep the server from resetting.
    if (ownServer && ownServer->resets)
        settle(1500);
    if (!poll([this] { return program->state() != QProcess::Running
                              || !(main = findWindow(QStringLiteral("Ортелана"))).id.isEmpty(); }, 15000)
        || main.id.isEmpty())
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

void tst_RealX::scenarios_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<qint64>("fileSizeLimit");   // bytes, -1 for none
    const qint64 none = -1;
    const QString clear = QStringLiteral("key:ctrl+a,BackSpace ");
    // What only a real X server can get wrong: the text it attaches to Delete, its
    // clipboard and selection, its wheel, its keymap for Page Up and Down and the
    // function keys, windows and their placing.  Editing keys, the filter, year 0 and
    // the ends of the calendar are the main window test's, with the same key texts.
    QTest::newRow("a year and Enter") << clear + "type:1917 key:Return sheet:1917 box:1917" << none;
    QTest::newRow("Delete") << clear + "type:51944 key:Home,Delete key:Return sheet:1944 box:1944" << none;
    QTest::newRow("keypad Delete") << clear + "type:51944 key:Home,KP_Delete key:Return sheet:1944 box:1944" << none;
    QTest::newRow("Shift+Insert refuses -5, 1.5, abc and takes 17")
        << clear + "type:19 clip:-5 key:shift+Insert clip:1.5 key:shift+Insert clip:abc key:shift+Insert "
                   "clip:17 key:End,shift+Insert,Return sheet:1917 box:1917" << none;
    QTest::newRow("middle click refuses -5, 1.5, abc and takes 17")
        << clear + "type:19 sel:-5 middle:box sel:1.5 middle:box sel:abc middle:box sel:17 middle:box "
                   "key:Return sheet:1917 box:1917" << none;
    QTest::newRow("old style off, Page Down, Page Up")
        << clear + "type:1916 key:Return key:Tab,space sheet:1916/off key:Next sheet:1917/off box:1917 "
                   "key:Prior,Prior sheet:1915/off box:1915" << none;
    QTest::newRow("wheel steps years") << clear + "type:2005 key:Return wheel:down sheet:2006 wheel:up wheel:up "
                                                  "sheet:2004 box:2004" << none;
    QTest::newRow("F4 opens the week numbers, Esc closes")
        << "key:F4 see:Номера~недель key:Down,Escape gone:Номера~недель alive" << none;
    QTest::newRow("F1 opens the help") << "key:F1 opened:help alive" << none;
    QTest::newRow("About link writes and opens the page")
        << "menu:3 see:О~программе click:О~программе@200,64 opened:page key:Return gone:О~программе alive" << none;
    QTest::newRow("About link over the file size limit") << "menu:3 see:О~программе click:О~программе@200,64 "
                                                            "opened:none absent:0.html alive key:Return "
                                                            "gone:О~программе alive" << qint64(0);
    QTest::newRow("Выход ends the program") << "menu:4 exit:0" << none;
    for (const char *factor : {"0", "nan", "-1"})
        QTest::newRow(QByteArray("QT_SCALE_FACTOR=") + factor + " is dropped")
            << QStringLiteral("env:QT_SCALE_FACTOR=%1 onscreen ").arg(QLatin1String(factor)) + clear
                   + "type:1917 key:Return sheet:1917 box:1917 err:QT_SCALE_FACTOR" << none;
    QTest::newRow("a soft limit of 8 open files is raised") << "files:8 " + clear + "type:1917 key:Return sheet:1917" << none;
    QTest::newRow("a 320 x 240 screen: the menu is on it") << "screen:320x240x24 onscreen menu:4 exit:0" << none;
    QTest::newRow("the X server ends") << "screen:640x480x24 onscreen xdeath exit:1 err:X-сервером" << none;
    // The display check's connection must not be the server's last client before Qt's.
    QTest::newRow("first client of a bare X server, 20 starts") << "bare" + QStringLiteral(" restart").repeated(19) << none;
    QTest::newRow("F10 opens the menu") << "key:F10 key:Down,Return see:Номера~недель" << none;
    // Each palette: the sheet, the week numbers (F4) and the About window (menu item 3).
    const QString everyPicture = QStringLiteral("contrast:sheet key:F4 see:Номера~недель contrast:weeks key:Escape "
                                                "menu:3 see:О~программе contrast:about");
    QTest::newRow("default palette: ink readable") << everyPicture << none;
    QTest::newRow("GTK Adwaita-dark: ink readable")
        << "env:QT_QPA_PLATFORMTHEME=gtk3 env:GTK_THEME=Adwaita:dark " + everyPicture << none;
    QTest::newRow("qt6ct darker: ink readable")
        << "env:QT_QPA_PLATFORMTHEME=qt6ct env:XDG_CONFIG_HOME=@SCHEMES@/darker " + everyPicture << none;
    QTest::newRow("a black palette: ink readable")
        << "env:QT_QPA_PLATFORMTHEME=qt6ct env:XDG_CONFIG_HOME=@SCHEMES@/black " + everyPicture << none;
    QTest::newRow("centred") << "centred:Ортелана" << none;
    QTest::newRow("centred under a window manager") << "openbox centred:Ортелана key:F4 see:Номера~недель" << none;
}

void tst_RealX::scenarios()
{
    QFETCH(QString, steps);
    QFETCH(qint64, fileSizeLimit);
    QStringList list = steps.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    OwnScreen own;
    const QByteArray sharedDisplay = qgetenv("DISPLAY");
    if (list.front().startsWith(QLatin1String("screen:")) || list.front() == QLatin1String("bare")) {
        const QString first = list.takeFirst();
        const bool bare = first == QLatin1String("bare");
        const QByteArray display = own.start(bare ? QStringLiteral("1280x1024x24") : first.section(QLatin1Char(':'), 1), bare);
        if (display.isEmpty())
            QSKIP("a second Xvfb could not start");
        ownServer = &own;
        // The program and xdotool go to the row's server; this process stays on its own.
        qputenv("DISPLAY", display);
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
        poll([] {
            return run(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")})
                .contains(QLatin1String("window id"));
        }, 10000);
    }
    QVERIFY2(startProgram(fileSizeLimit), "the program's window did not appear");
    driver.program = program.get();
    const QString failed = driver.perform(list.join(QLatin1Char(' ')));
    QVERIFY2(failed.isEmpty(), qPrintable(failed));
}

// In the session's X server (ortelana-session --x11).
int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    qunsetenv("QT_SCALE_FACTOR");
    QApplication app(argc, argv);
    tst_RealX test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_realx.moc"
