// Entry point of Ortelana: the window, or the command-line export.
#include "app/commandline.h"
#include "app/frmforma.h"
#include "app/sheetexport.h"
#include "app/startup.h"
#include "ui/fonts.h"
#include "version.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Exporting needs no screen; without one, draw off screen rather than abort.
    if (ortelana::runsWithoutWindow(argc, argv) && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ortelana"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(ortelana::Version));
    // Lets docks and task bars match the window to its desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Ortelana"));
    ortelana::registerFontSubstitutes();

    using Action = ortelana::CommandLine::Action;
    const ortelana::CommandLine command =
        ortelana::parseCommandLine(QCoreApplication::arguments(), ortelana::currentYearText().toLongLong());
    switch (command.action) {
    case Action::Help:
        std::fputs(qPrintable(command.message), stdout);
        return 0;
    case Action::Version:
        std::printf("ortelana %s\n", ortelana::Version);
        return 0;
    case Action::Refuse:
        std::fprintf(stderr, "%s\n", qPrintable(command.message));
        return command.exitCode;
    case Action::Export: {
        const ortelana::ExportResult result = ortelana::exportSheet(command.file, command.request);
        if (result.exitCode != 0)
            std::fprintf(stderr, "%s\n", qPrintable(result.message));
        return result.exitCode;
    }
    case Action::Window:
        break;
    }

    ortelana::SharedTables tables;
    const auto window = ortelana::Main(tables);
    return app.exec();
}
