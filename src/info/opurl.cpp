// Document opening through the desktop's own associations (xdg-open on Linux).
#include "info/opurl.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace ortelana {

void OpenInShell(const QString &fileName)
{
    // Viewers get an absolute path: a URL made from a bare name ("file:0.html") is
    // one that none of them can open.
    const QString path = QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(fileName);
    // A missing document is passed over: a viewer would only show an error of its own.
    if (!QFileInfo(path).isFile())
        return;
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace ortelana
