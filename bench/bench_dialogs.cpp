// Memory benchmark: start the program, then open and close the week numbers window
// and the About window 1 000 times each through their menu commands.  Prints the
// resident memory after start-up, after the first ten openings and at the end; run it
// under /usr/bin/time -v (`make bench`) for the peak.
#include "app/frmforma.h"
#include "app/startup.h"
#include "resident.h"
#include "paint/fonts.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ortelana::registerFontSubstitutes();
    const auto window = ortelana::Main();
    QCoreApplication::processEvents();
    std::printf("after start-up: %ld KiB\n", residentKiB());

    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    closer.start(0);
    for (const char *name : {"MenuNomeraNedel", "MenuAbout"}) {
        QAction *command = window->findChild<QAction *>(QLatin1String(name));
        for (int i = 1; i <= 1000; ++i) {
            command->trigger();
            if (i == 10)
                std::printf("%s, after 10 openings: %ld KiB\n", name, residentKiB());
        }
        std::printf("%s, after 1000 openings: %ld KiB\n", name, residentKiB());
    }
    return 0;
}
