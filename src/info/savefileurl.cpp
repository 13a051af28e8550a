// The redirect page in windows-1251, written safely as 0.html, or the next number when
// a name is taken by something we may not replace.
#include "info/savefileurl.h"

#include "behaviour/redirectpage.h"
#include "info/windows1251.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

#include <cerrno>
#include <unistd.h>

namespace ortelana {

namespace {

// Returns: the current directory exactly as the system names it, or nothing when it
// has no name any more (deleted).
QByteArray currentDirectory()
{
    QByteArray buffer(256, '\0');
    while (::getcwd(buffer.data(), std::size_t(buffer.size())) == nullptr) {
        if (errno != ERANGE)
            return {};
        buffer.resize(buffer.size() * 2);
    }
    return QByteArray(buffer.constData());
}

// Returns: a file: URL naming `path` byte for byte, even where the bytes are not UTF-8
// (a path made into a QString first would name a different file).
QUrl fileUrl(const QByteArray &path)
{
    return QUrl::fromEncoded("file://" + path.toPercentEncoding("/"), QUrl::StrictMode);
}

} // namespace

void SaveFileUrl(const QString &address, WriteBytes write)
{
    // The page goes into the current directory; the desktop is handed the same file by
    // its absolute path.  A current directory that no longer exists has no path.
    QByteArray directory = currentDirectory();
    if (directory.isEmpty())
        return;
    if (!directory.endsWith('/'))
        directory += '/';
    const std::string name = writeRedirectPage(toWindows1251(address).toStdString(),
                                               [&](const std::string &file, const std::string &page) {
        switch (writeFileSafely(directory + file.c_str(), QByteArray::fromStdString(page), write).status) {
        case SafeWriteResult::Status::Refused: return PageWrite::Taken;
        case SafeWriteResult::Status::Failed: return PageWrite::Failed;
        case SafeWriteResult::Status::Written: return PageWrite::Written;
        }
        return PageWrite::Failed;
    });
    if (name.empty())
        return;   // the old page, if any, is kept and nothing is opened
    QCoreApplication::processEvents();
    QDesktopServices::openUrl(fileUrl(directory + name.c_str()));
}

} // namespace ortelana
