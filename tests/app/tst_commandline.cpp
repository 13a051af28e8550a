// The command line of the real program: what each argument list does, its exit status
// and its one line of complaint; the help and version texts and what happens when they
// cannot be written; the display: modes without a window never touch one, the window
// without one says so in one line; and a hostile system: a far clock, short memory,
// few descriptors, bad scale factors, no fonts.
#include "fileprobe.h"
#include "programrun.h"

#include <QDateTime>
#include <QDir>
#include <QLibraryInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

using programrun::Run;

// Runs the real program.  `env` changes the environment: "NAME=value" sets, "NAME"
// removes.  The window, where one opens, runs off screen unless `env` says otherwise.
Run runProgram(const QStringList &arguments, const QStringList &env = {}, int waitMs = 20000,
               const QString &workingDirectory = {})
{
    const QStringList changes = QStringList{QStringLiteral("QT_QPA_PLATFORM=offscreen")} + env;
    return programrun::run(QStringLiteral(ORTELANA_BINARY), arguments, programrun::environmentWith(changes), waitMs,
                           workingDirectory);
}

QStringList lines(const QString &text)
{
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// An X display number with nothing behind it.
bool displayIsFree(int number)
{
    return !QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number))
           && !QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(number));
}

} // namespace

class tst_CommandLine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void program_data();
    void program();
    void helpIsRussianAndComplete();
    void versionNamesTheLicence();
    void outputThatCannotBeWrittenFails_data();
    void outputThatCannotBeWrittenFails();
    void display_data();
    void display();
    void hostileEnvironment_data();
    void hostileEnvironment();

private:
    QTemporaryDir scratch;
    QString listening;   // a socket that accepts connections, as a compositor's would
};

void tst_CommandLine::initTestCase()
{
    QVERIFY(scratch.isValid());
    QVERIFY(QDir(scratch.path()).mkdir(QStringLiteral("platforms")));   // no plug-in in it
    listening = scratch.filePath(QStringLiteral("wayland-test"));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = QFile::encodeName(listening);
    QVERIFY(std::size_t(path.size()) < sizeof address.sun_path);
    std::copy(path.begin(), path.end(), address.sun_path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    QVERIFY(fd >= 0);
    QCOMPARE(::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address), 0);
    QCOMPARE(::listen(fd, 8), 0);   // left open until the test ends
    // Qt's Wayland plug-in under a name of its own: Qt goes by its metadata, and so
    // must the program.
    QVERIFY(QDir(scratch.path()).mkdir(QStringLiteral("renamed")));
    const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"));
    const QStringList wayland = platforms.entryList({QStringLiteral("libqwayland*.so")}, QDir::Files);
    if (!wayland.isEmpty())
        QVERIFY(QFile::copy(platforms.filePath(wayland.front()), scratch.filePath(QStringLiteral("renamed/libqtwl.so"))));
}

// The real program, one argument list of each kind (tst_commandlineparser's rows cover
// the rest): -1 as the status means the window opened and stayed up.
void tst_CommandLine::program_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("complaint");   // part of the one line on stderr; empty: silence
    QTest::addColumn<QString>("written");     // the file an export leaves, relative to the folder

    QTest::newRow("no arguments") << QStringList{} << -1 << "" << "";
    QTest::newRow("a launcher's file name") << QStringList{"notes.txt"} << -1 << "" << "";
    QTest::newRow("window, year 0") << QStringList{"--year", "0"} << 2 << "«0»" << "";
    QTest::newRow("export") << QStringList{"--export", "a.png", "--year", "1917"} << 0 << "" << "a.png";
    QTest::newRow("export, = forms") << QStringList{"--export=a.pdf", "--year=1917", "--old-style=off"} << 0 << "" << "a.pdf";
    QTest::newRow("export a file named like an option") << QStringList{"--export=--year.png"} << 0 << "" << "--year.png";
    QTest::newRow("misspelt option") << QStringList{"--export", "a.png", "--yaer", "1917"} << 2 << "--yaer" << "";
    QTest::newRow("a 100 000-character file name") << QStringList{"--export", QString(100000, QLatin1Char('x')) + ".txt"} << 2 << "xx…»" << "";
    QTest::newRow("year empty") << QStringList{"--export", "a.png", "--year", ""} << 2 << "«»" << "";
    QTest::newRow("unknown extension") << QStringList{"--export", "a.txt"} << 2 << "a.txt" << "";
    QTest::newRow("a 4000-character name that cannot be written")
        << QStringList{"--export", QString(4000, QLatin1Char('y')) + ".png"} << 1 << "yy…»" << "";
}

void tst_CommandLine::program()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, complaint);
    QFETCH(QString, written);
    QTemporaryDir dir;
    const Run run = runProgram(arguments, {}, exitCode < 0 ? 2000 : 30000, dir.path());
    if (exitCode < 0) {
        QVERIFY2(!run.finished, qPrintable(run.err));
        return;
    }
    QVERIFY2(run.finished, "the program must end by itself, showing no window");
    QCOMPARE(run.status, QProcess::NormalExit);
    QCOMPARE(run.exitCode, exitCode);
    const QStringList err = lines(run.err);
    if (complaint.isEmpty()) {
        QCOMPARE(err, QStringList());
    } else {
        QCOMPARE(err.size(), 1);
        QVERIFY2(err.front().startsWith(QStringLiteral("ortelana: ")) && err.front().contains(complaint), qPrintable(run.err.left(200)));
        QVERIFY2(err.front().size() < 160, qPrintable(err.front().left(200)));
    }
    const QStringList left = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    QCOMPARE(left, written.isEmpty() ? QStringList() : QStringList{written});
}

void tst_CommandLine::helpIsRussianAndComplete()
{
    const Run run = runProgram({QStringLiteral("--help")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QString());
    const QString help = QString::fromUtf8(run.out);
    for (const char *synopsis : {"  ortelana [--year ГОД] [--old-style on|off]\n",
                                 "  ortelana --export ФАЙЛ [--year ГОД] [--old-style on|off]\n",
                                 "  ortelana --help | --version\n"})
        QVERIFY2(help.contains(QString::fromUtf8(synopsis)), synopsis);
    for (const char *status : {"\n  0 ", "\n  1 ", "\n  2 "})
        QVERIFY2(help.contains(QLatin1String(status)), status);
    QVERIFY(help.contains(QStringLiteral("Пример")));
    QVERIFY(!help.contains(QStringLiteral("help-all")));

    // Option names, the program's name and the file formats are the only Latin words.
    static const QRegularExpression allowed(QStringLiteral(
        "--(year|old-style|export|help|version)|ortelana|png|pdf|on\\|off|\\bon\\b|\\boff\\b"));
    static const QRegularExpression latin(QStringLiteral("[A-Za-z]"));
    for (QString line : help.split(QLatin1Char('\n'))) {
        const QString original = line;
        line.remove(allowed);
        QVERIFY2(!line.contains(latin), qPrintable(original));
    }
}

void tst_CommandLine::versionNamesTheLicence()
{
    const Run run = runProgram({QStringLiteral("--version")});
    QCOMPARE(run.exitCode, 0);
    const QStringList out = lines(QString::fromUtf8(run.out));
    QCOMPARE(out.size(), 2);
    QVERIFY2(QRegularExpression(QStringLiteral("^ortelana \\d+(\\.\\d+)+$")).match(out[0]).hasMatch(), qPrintable(out[0]));
    QVERIFY2(out[1].contains(QStringLiteral("MIT")), qPrintable(out[1]));
}

void tst_CommandLine::outputThatCannotBeWrittenFails_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("redirect");   // shell redirection of standard output
    QTest::newRow("--help > /dev/full") << "--help" << ">/dev/full";
    QTest::newRow("--version > /dev/full") << "--version" << ">/dev/full";
    QTest::newRow("--help, output closed") << "--help" << ">&-";
    QTest::newRow("--version, output closed") << "--version" << ">&-";
}

void tst_CommandLine::outputThatCannotBeWrittenFails()
{
    QFETCH(QString, option);
    QFETCH(QString, redirect);
    QProcess shell;
    shell.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("exec \"$0\" \"$1\" ") + redirect,
                                            QStringLiteral(ORTELANA_BINARY), option});
    QVERIFY(shell.waitForFinished(20000));
    QCOMPARE(shell.exitStatus(), QProcess::NormalExit);
    QCOMPARE(shell.exitCode(), 1);
    const QStringList err = lines(QString::fromUtf8(shell.readAllStandardError()));
    QCOMPARE(err.size(), 1);
    QVERIFY(err.front().startsWith(QStringLiteral("ortelana: ")));
}

// Every mode, with no display and with one that nobody answers: only the window needs
// one, and without it says so in one line; nothing aborts.
void tst_CommandLine::display_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("env");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<int>("errLines");
    QTest::addColumn<QString>("named");   // the one line names this

    const QStringList none{"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"};
    const QStringList stale{"DISPLAY=:99", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"};
    const QStringList staleXcb{"DISPLAY=:99", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM=xcb"};
    const QStringList staleWayland{"DISPLAY", "WAYLAND_DISPLAY=wayland-99", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE=wayland"};
    const QStringList staleWaylandOnly{"DISPLAY", "WAYLAND_DISPLAY=wayland-99", "QT_QPA_PLATFORM"};
    const QStringList waylandAskedFor{"DISPLAY", "WAYLAND_DISPLAY=wayland-99", "QT_QPA_PLATFORM=wayland"};
    // A compositor answers, but Qt's Wayland plug-in is not where Qt is told to look.
    const QStringList noPlugin{"DISPLAY", "WAYLAND_DISPLAY=" + listening, "QT_QPA_PLATFORM",
                               "QT_QPA_PLATFORM_PLUGIN_PATH=" + scratch.filePath(QStringLiteral("platforms"))};
    // The plug-in is found, so the compositor is what is missing (when qt6-wayland is
    // not installed, the folder is empty and the row the same as the one before).
    const QString renamedFolder = scratch.filePath(QStringLiteral("renamed"));
    const bool renamed = !QDir(renamedFolder).isEmpty();
    const QStringList renamedPlugin{"DISPLAY", "WAYLAND_DISPLAY=wayland-99", "QT_QPA_PLATFORM=wayland",
                                    "QT_QPA_PLATFORM_PLUGIN_PATH=" + renamedFolder};
    const QStringList exporting{"--export", "y.pdf", "--year", "2027"};
    for (const auto &[name, env, named] :
         {std::tuple{"no display", none, "дисплея"}, std::tuple{"stale display", stale, "дисплея"},
          std::tuple{"stale display, xcb asked for", staleXcb, "дисплея"},
          std::tuple{"stale Wayland display", staleWayland, "Wayland"},
          std::tuple{"stale Wayland display, no session type", staleWaylandOnly, "Wayland"},
          std::tuple{"Wayland asked for, no compositor", waylandAskedFor, "Wayland"},
          std::tuple{"Wayland without its plug-in", noPlugin, "qt6-wayland"},
          std::tuple{"Wayland plug-in under another name", renamedPlugin,
                     renamed ? "WAYLAND_DISPLAY не отвечает)" : "qt6-wayland"}}) {
        const QByteArray n(name);
        const QString line = QString::fromUtf8(named);
        QTest::newRow(n + ", window") << QStringList{} << env << 1 << 1 << line;
    }
    // The modes without a window never look for a display, whichever is missing.
    for (const auto &[name, env] : {std::pair{"no display", none}, std::pair{"stale display", stale}}) {
        const QByteArray n(name);
        QTest::newRow(n + ", --help") << QStringList{"--help"} << env << 0 << 0 << QString();
        QTest::newRow(n + ", --version") << QStringList{"--version"} << env << 0 << 0 << QString();
        QTest::newRow(n + ", --export") << exporting << env << 0 << 0 << QString();
    }
}

void tst_CommandLine::display()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, env);
    QFETCH(int, exitCode);
    QFETCH(int, errLines);
    QFETCH(QString, named);
    if (!displayIsFree(99))
        QSKIP("something answers on display :99 here");
    QTemporaryDir dir;
    const Run run = runProgram(arguments, env, 30000, dir.path());
    QVERIFY2(run.finished, "must end by itself");
    QCOMPARE(run.status, QProcess::NormalExit);   // no abort, no core
    QCOMPARE(run.exitCode, exitCode);
    const QStringList err = lines(run.err);
    QVERIFY2(err.size() == errLines, qPrintable(run.err));
    if (errLines == 1)
        QVERIFY2(err.front().startsWith(QStringLiteral("ortelana: ")) && err.front().contains(named), qPrintable(run.err));
    if (arguments.contains(QStringLiteral("--export")))
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("y.pdf"))).size() > 1000);
}

// The real program where the system is against it: a clock past the last four-digit
// year, too little memory, too few file descriptors, scale factors Qt cannot use, no
// fonts.  Each ends with one line and status 1, or works as it should.
void tst_CommandLine::hostileEnvironment_data()
{
    QTest::addColumn<QString>("setup");        // shell commands that end in exec'ing the program
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");         // -1: the window stays up
    QTest::addColumn<QString>("complaint");    // the one line on stderr contains it; empty: silence
    QTest::addColumn<QStringList>("sameAs");   // an export must equal the one with these arguments
                                               // (a PDF in its text, the title with the year included)
    const QStringList png{"--export", "y.png"};
    const QStringList pdf{"--export", "y.pdf", "--year", "5"};
    const QStringList window;
    // libfaketime preloaded with an offset in seconds, which reaches any year, as the
    // faketime command sets it; the command itself keeps a named semaphore per process
    // id, and one left behind by a killed run makes a later one with that id fail.
    for (const auto &[name, clock, year] :
         {std::tuple{"10000-03-01", QDate(10000, 3, 1), "10000"}, std::tuple{"10011-07-15", QDate(10011, 7, 15), "10011"},
          std::tuple{"12339-12-31", QDate(12339, 12, 31), "12339"}, std::tuple{"0003-06-01", QDate(3, 6, 1), "3"}}) {
        const qint64 offset = QDateTime(clock, QTime(12, 0), QTimeZone::utc()).toSecsSinceEpoch()
                              - QDateTime::currentSecsSinceEpoch();
        QTest::newRow(QByteArray("clock at ") + name)
            << QStringLiteral("FAKETIME=%1%2 LD_PRELOAD=/usr/\\$LIB/faketime/libfaketime.so.1 exec ")
                   .arg(offset < 0 ? "" : "+").arg(offset)
            << QStringList{"--export", "y.pdf"} << 0 << "" << QStringList{"--year", year};
    }
    // AddressSanitizer reserves more address space than any such limit leaves, so the
    // sanitized build has no memory rows; the ordinary build runs them.
#if !defined(__SANITIZE_ADDRESS__)
    const QString memory = QStringLiteral("ulimit -v %1; exec ");
    QTest::newRow("PDF, ulimit -v 110000") << memory.arg(110000) << pdf << 1 << "не хватает памяти" << QStringList{};
    QTest::newRow("PNG, ulimit -v 80000") << memory.arg(80000) << png << 1 << "не хватает памяти" << QStringList{};
    QTest::newRow("window, ulimit -v 100000") << memory.arg(100000) << window << 1 << "не хватает памяти" << QStringList{};
    QTest::newRow("window, ulimit -v 110000") << memory.arg(110000) << window << 1 << "не хватает памяти" << QStringList{};
#endif
    QTest::newRow("window, ulimit -n 8") << "ulimit -n 8; exec " << window << 1 << "дескрипторов" << QStringList{};
    QTest::newRow("export, ulimit -n 8") << "ulimit -n 8; exec " << png << 1 << "дескрипторов" << QStringList{};
    QTest::newRow("window, QT_SCREEN_SCALE_FACTORS=a=1;b=nan") << "QT_SCREEN_SCALE_FACTORS='a=1;b=nan' exec " << window << -1
                                                               << "QT_SCREEN_SCALE_FACTORS" << QStringList{};
    QTest::newRow("export, QT_SCALE_FACTOR=0") << "QT_SCALE_FACTOR=0 exec " << QStringList{"--export", "y.png", "--year", "2005"}
                                               << 0 << "QT_SCALE_FACTOR" << QStringList{"--year", "2005"};
    const QString noFonts = QStringLiteral("printf '<fontconfig></fontconfig>' > ../fonts.conf; FONTCONFIG_FILE=$PWD/../fonts.conf exec ");
    QTest::newRow("PNG, no fonts") << noFonts << png << 1 << "шрифта" << QStringList{};
    QTest::newRow("PDF, no fonts") << noFonts << pdf << 1 << "шрифта" << QStringList{};
}

void tst_CommandLine::hostileEnvironment()
{
    QFETCH(QString, setup);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, complaint);
    QFETCH(QStringList, sameAs);
    for (const char *tool : {"faketime", "pdftotext"})
        if (setup.contains(QLatin1String("FAKETIME")) && QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            QSKIP("needs faketime and pdftotext");
    QTemporaryDir parent;
    const QString dir = parent.filePath(QStringLiteral("work"));
    QVERIFY(QDir().mkdir(dir));
    const QString old = QDir(dir).filePath(arguments.value(1));   // an export's file, there before
    if (!arguments.isEmpty()) {
        QFile file(old);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("old");
    }
    // A sanitized program must accept faketime's library loaded before its runtime.
    const QProcessEnvironment environment = programrun::environmentWith(
        {QStringLiteral("QT_QPA_PLATFORM=offscreen"),
         QStringLiteral("ASAN_OPTIONS=") + qEnvironmentVariable("ASAN_OPTIONS") + QStringLiteral(":verify_asan_link_order=0")});
    const Run run = programrun::run(QStringLiteral("/bin/sh"),
                                    QStringList{QStringLiteral("-c"), setup + QStringLiteral("\"$0\" \"$@\""),
                                                QStringLiteral(ORTELANA_BINARY)} + arguments,
                                    environment, exitCode < 0 ? 3000 : 30000, dir);
    const bool ended = run.finished;
    const QString err = run.err;
    QStringList errLines = lines(err);
    // The off-screen plug-in's own notice about the fixed-size window; a display gives none.
    errLines.removeAll(QStringLiteral("This plugin does not support propagateSizeHints()"));
    // Under a memory limit the dynamic loader may give up before the program starts at
    // all (in sid, ICU 78's data library does not fit under 80 000 KiB): a limit of the
    // system's libraries, where the program has no say.
    if (setup.startsWith(QLatin1String("ulimit -v")) && err.contains(QLatin1String("error while loading shared libraries")))
        QSKIP(qPrintable(QStringLiteral("the system's libraries do not load under this limit: ") + errLines.value(0)));
    if (complaint.isEmpty()) {
        QVERIFY2(errLines.isEmpty(), qPrintable(err.left(500)));
    } else {
        QVERIFY2(errLines.size() == 1 && errLines.front().startsWith(QStringLiteral("ortelana: "))
                     && errLines.front().contains(complaint), qPrintable(err.left(500)));
    }
    if (exitCode < 0) {
        QVERIFY2(!ended, "the window must stay up");
        return;
    }
    QVERIFY2(ended, "the program must end by itself");
    QCOMPARE(run.status, QProcess::NormalExit);   // no abort, no core, no trap
    QCOMPARE(run.exitCode, exitCode);
    if (arguments.isEmpty())
        return;
    QFile written(old);
    QVERIFY(written.open(QIODevice::ReadOnly));
    if (exitCode != 0) {
        QCOMPARE(written.readAll(), QByteArray("old"));
        return;
    }
    const QString expected = parent.filePath(QStringLiteral("reference.") + QFileInfo(old).suffix());
    QCOMPARE(runProgram(QStringList{arguments.value(0), expected} + sameAs).exitCode, 0);
    if (old.endsWith(QLatin1String(".pdf"))) {
        QCOMPARE(fileprobe::runTool(QStringLiteral("pdftotext"), {old, QStringLiteral("-")}),
                 fileprobe::runTool(QStringLiteral("pdftotext"), {expected, QStringLiteral("-")}));
    } else {
        QVERIFY2(written.readAll() == fileprobe::readAll(expected), "the export differs from the one for the expected year");
    }
}

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
