// Entry point of Ortelana: the window, the export, or the help and version texts.
// The command line is read before Qt starts, so that the modes without a window
// never touch a display.
#include "app/commandline.h"
#include "platform/display.h"
#include "platform/ending.h"
#include "app/frmforma.h"
#include "platform/resourcelimits.h"
#include "platform/scalefactor.h"
#include "app/startup.h"
#include "platform/xconnectionloss.h"
#include "output/safewriter.h"
#include "output/sheetexport.h"
#include "paint/fonts.h"
#include "cli/helptext.h"
#include "cli/version.h"

#include <QApplication>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

namespace {

// Returns: the exit status of writing `text` to standard output: 1 when it did not
// all arrive (a full disk, a closed output), with one line saying why.
int printOut(const QByteArray &text)
{
    errno = 0;
    const bool written = std::fwrite(text.constData(), 1, std::size_t(text.size()), stdout) == std::size_t(text.size())
                         && std::fflush(stdout) == 0;
    if (written)
        return 0;
    std::fprintf(stderr, "ortelana: не удаётся вывести текст: %s\n", ortelana::errorText(errno).toUtf8().constData());
    return 1;
}

void printError(const QString &line)
{
    std::fprintf(stderr, "%s\n", line.toUtf8().constData());
}

// Sets up what both Qt modes share.
void prepareApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("ortelana"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(ortelana::Version));
    // Lets docks and task bars match the window to its desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Ortelana"));
    ortelana::installRussianQtTexts();
    ortelana::registerFontSubstitutes();
}

// Returns: false, with the line printed, when the limits leave Qt too little room;
// bad scale factors are dropped on the way, and running out of memory is set to end
// the program with one line.
bool prepareEnvironment(bool window)
{
    const QString limit = ortelana::checkResourceLimits(window);
    if (!limit.isEmpty()) {
        printError(limit);
        return false;
    }
    for (const QString &line : ortelana::dropUnusableScaleFactors())
        printError(line);
    ortelana::endOnOutOfMemory();
    return true;
}

} // namespace

// A std::bad_alloc that unwinds to here ends the program with one line; one thrown where
// Qt lets nothing pass ends in the same line through endOnOutOfMemory().
int main(int argc, char *argv[])
try {
    // A write over the file size limit then fails with EFBIG, which the writers report,
    // instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);

    const std::vector<std::string> arguments(argv, argv + argc);
    using Action = ortelana::CommandLine::Action;
    const ortelana::CommandLine command = ortelana::readCommandLine(arguments, ortelana::currentYear());
    switch (command.action) {
    case Action::Help:
        return printOut(QByteArray::fromStdString(ortelana::helpText(ortelana::FrontEnd::Qt)));
    case Action::Version:
        return printOut(QByteArray::fromStdString(ortelana::versionText()));
    case Action::Refuse:
        printError(QString::fromStdString(command.message));
        return command.exitCode;
    case Action::Export: {
        if (!prepareEnvironment(false))
            return 1;
        // Drawn off screen whatever display there is; Qt sees none of the arguments.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        ortelana::QuietPlatform quiet;
        int qtArgc = 1;
        QGuiApplication app(qtArgc, argv);
        quiet.platformStarted();
        prepareApplication();
        const ortelana::ExportResult result =
            ortelana::exportSheet(QByteArray::fromStdString(ortelana::exportFile(command, arguments)), command.request);
        if (result.exitCode != 0)
            printError(result.message);
        return result.exitCode;
    }
    case Action::Window:
        break;
    }

    if (!prepareEnvironment(true))
        return 1;
    ortelana::DisplayChoice display = ortelana::chooseDisplay();
    if (display.platform.isEmpty()) {
        std::fprintf(stderr, "%s\n", display.message);
        return 1;
    }
    // Qt is handed the platform chosen, so it cannot choose another; the environment
    // of the programs started from the window (the browser) stays as it was.
    QByteArray platform = display.platform;
    char platformOption[] = "-platform";
    std::vector<char *> qtArgv(argv, argv + argc);
    qtArgv.insert(qtArgv.begin() + 1, {platformOption, platform.data()});
    int qtArgc = int(qtArgv.size());
    qtArgv.push_back(nullptr);
    ortelana::QuietPlatform quiet(display.message);
    QApplication app(qtArgc, qtArgv.data());
    quiet.platformStarted();
    display.xConnection.reset();   // Qt holds its own by now
    const ortelana::XConnectionLossMessage connectionLoss;
    prepareApplication();
    const auto window = ortelana::Main(command.start);
    const int status = app.exec();
    // Qt 6.4's Wayland plug-in may hang for good while it is torn down (its event
    // thread waits for a read the main thread never finishes).  Nothing is left to save
    // by then, every file having been written whole, so the process ends without it.
    if (ortelana::onWayland())
        ortelana::endWithLine(nullptr, status);
    return status;
} catch (const std::bad_alloc &) {
    std::fprintf(stderr, "%s\n", ortelana::OutOfMemoryMessage);
    return 1;
}
