// The redirect page: head + address + tail + CR LF in windows-1251, written as
// 0.html, or the next number when a name is taken by something we may not overwrite.
#include "info/savefileurl.h"

#include "info/opurl.h"
#include "info/windows1251.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>

namespace ortelana {

namespace {

constexpr std::string_view Head = "<html><head><meta http-equiv='refresh' content='0; url=";
constexpr std::string_view Tail =
    "'><meta http-equiv='Content-Type' content='text/html; charset=windows-1251'>"
    "<title>WWW</title></head><body></body></html>";
static_assert(Head.size() == 55 && Tail.size() == 121);

enum class Outcome { Written, NameTaken, Failed };

bool writeAll(int fd, const QByteArray &bytes, WriteBytes write)
{
    const char *data = bytes.constData();
    std::size_t left = std::size_t(bytes.size());
    while (left > 0) {
        const ssize_t done = write(fd, data, left);
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return false;
        data += done;
        left -= std::size_t(done);
    }
    return true;
}

// Writes the page at `path`.  The name is taken when it cannot be opened for writing,
// is a symbolic link (never followed: it would overwrite whatever it points to), is
// no regular file (a FIFO would block), or is marked read-only (which the kernel does
// not enforce for root).
Outcome writePage(const QByteArray &path, const QByteArray &page, WriteBytes write)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0)
        return Outcome::NameTaken;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        ::close(fd);
        return Outcome::NameTaken;
    }
    bool whole = ::ftruncate(fd, 0) == 0 && writeAll(fd, page, write);
    if (!whole)
        (void)::ftruncate(fd, 0);   // an empty file rather than half a redirect
    whole = (::close(fd) == 0) && whole;
    return whole ? Outcome::Written : Outcome::Failed;
}

} // namespace

void SaveFileUrl(const QString &address, WriteBytes write)
{
    const QByteArray page = QByteArray(Head.data(), qsizetype(Head.size())) + toWindows1251(address)
                            + QByteArray(Tail.data(), qsizetype(Tail.size())) + "\r\n";

    // The page goes into the current directory; the desktop is handed the same file by
    // its absolute path.  A current directory that no longer exists has no path.
    const QString directory = QDir::currentPath();
    if (directory.isEmpty())
        return;

    for (int number = 0; number < RedirectPageNames; ++number) {
        const QString path = QDir(directory).absoluteFilePath(QString::number(number) + QStringLiteral(".html"));
        switch (writePage(QFile::encodeName(path), page, write)) {
        case Outcome::NameTaken:
            continue;
        case Outcome::Failed:
            return;
        case Outcome::Written:
            QCoreApplication::processEvents();
            OpenInShell(path);
            return;
        }
    }
}

} // namespace ortelana
