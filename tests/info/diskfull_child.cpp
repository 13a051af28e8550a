// Child process for the disk-full test: limits the size of files it may write
// (RLIMIT_FSIZE, the first argument in bytes; "none" for no limit), then opens a web
// address through the redirect page.  Prints one line per page the desktop is asked
// to open, and "up" when it is still running afterwards.
#include "info/savefileurl.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QUrl>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

class Recorder : public QObject
{
    Q_OBJECT
public slots:
    void open(const QUrl &url) { std::printf("opened %s\n", qPrintable(url.toLocalFile())); }
};

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 3)
        return 2;
    if (QByteArray(argv[1]) != "none") {
        // A write past the limit then fails with EFBIG instead of killing the process.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlim_t bytes = std::strtoull(argv[1], nullptr, 10);
        const rlimit limit{bytes, bytes};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return 3;
    }
    Recorder recorder;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &recorder, "open");
    ortelana::SaveFileUrl(QString::fromUtf8(argv[2]));
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    std::printf("up\n");
    return 0;
}

#include "diskfull_child.moc"
