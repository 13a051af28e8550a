// The safe file writer: plain POSIX calls on byte paths, every result checked.
#include "output/safewriter.h"

#include "behaviour/words.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>

namespace ortelana {

namespace {

using Status = SafeWriteResult::Status;

SafeWriteResult failed(int error)
{
    return {Status::Failed, error, errorText(error)};
}

SafeWriteResult refused(const char *why)
{
    return {Status::Refused, 0, QString::fromUtf8(why)};
}

// Returns: why the existing file `info` describes may not be replaced, or nullptr.
const char *refusalOf(const struct stat &info)
{
    if (S_ISLNK(info.st_mode))
        return "это символическая ссылка, по ссылкам запись не идёт";
    if (S_ISDIR(info.st_mode))
        return words::IsFolder;
    if (!S_ISREG(info.st_mode))
        return "это не обычный файл";
    if (info.st_nlink > 1)
        return "у файла есть другие жёсткие ссылки";
    // The kernel lets root write anything; the mode bits still say what the owner wants.
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return words::ReadOnlyFile;
    return nullptr;
}

bool writeAll(int fd, const QByteArray &bytes, WriteBytes write)
{
    const char *data = bytes.constData();
    std::size_t left = std::size_t(bytes.size());
    while (left > 0) {
        const ssize_t done = write(fd, data, left);
        if (done < 0 && errno == EINTR)
            continue;
        if (done < 0)
            return false;
        if (done == 0) {   // no progress and no reason: treat as a full disk
            errno = ENOSPC;
            return false;
        }
        data += done;
        left -= std::size_t(done);
    }
    return true;
}

mode_t creationMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The temporary file is removed unless it became the target.
class Temporary
{
public:
    explicit Temporary(QByteArray pattern) : path(std::move(pattern))
    {
        fd = ::mkostemp(path.data(), O_CLOEXEC);
        if (fd < 0)
            path.clear();
    }
    ~Temporary()
    {
        if (fd >= 0)
            ::close(fd);
        if (!path.isEmpty())
            ::unlink(path.constData());
    }
    Temporary(const Temporary &) = delete;
    Temporary &operator=(const Temporary &) = delete;

    // Closes the file; returns: false (errno set) when the close reports an error.
    bool close()
    {
        const int closing = fd;
        fd = -1;
        return ::close(closing) == 0;
    }
    void keep() { path.clear(); }

    int fd = -1;
    QByteArray path;
};

} // namespace

QString errorText(int error)
{
    switch (error) {
    case ENOSPC: return QString::fromUtf8(words::NoSpace);
    case EDQUOT: return QStringLiteral("Превышена дисковая квота");
    case EFBIG: return QStringLiteral("Файл слишком велик");
    case EACCES:
    case EPERM: return QString::fromUtf8(words::AccessDenied);
    case EROFS: return QString::fromUtf8(words::ReadOnlyFileSystem);
    case ENOENT: return QString::fromUtf8(words::NoSuchPath);
    case ENOTDIR: return QStringLiteral("Часть пути не является каталогом");
    case EISDIR: return QStringLiteral("Это каталог");
    case ENAMETOOLONG: return QStringLiteral("Слишком длинное имя файла");
    case EIO: return QStringLiteral("Ошибка ввода-вывода");
    case EBADF: return QStringLiteral("Файл не открыт");
    case ELOOP: return QStringLiteral("Слишком много символических ссылок");
    default: return QString::fromLocal8Bit(std::strerror(error));
    }
}

SafeWriteResult writeFileSafely(const QByteArray &target, const QByteArray &content, WriteBytes write)
{
    if (target.isEmpty())
        return failed(ENOENT);
    if (target.endsWith('/'))
        return failed(EISDIR);

    struct stat old {};
    const bool replacing = ::lstat(target.constData(), &old) == 0;
    if (!replacing && errno != ENOENT)
        return failed(errno);
    if (replacing)
        if (const char *why = refusalOf(old))
            return refused(why);

    // A short fixed name beside the target: same file system for the rename, and
    // short enough whatever the length of the target's own name.
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray directory = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : target.left(slash);
    Temporary temporary(directory + "/.ortelana-XXXXXX");
    if (temporary.fd < 0)
        return failed(errno);

    if (!writeAll(temporary.fd, content, write))
        return failed(errno);
    if (::fchmod(temporary.fd, replacing ? old.st_mode & 07777 : creationMode()) != 0)
        return failed(errno);
    // Only root can give a file away; for anyone else the new file is theirs.
    if (replacing && ::geteuid() == 0 && ::fchown(temporary.fd, old.st_uid, old.st_gid) != 0)
        return failed(errno);
    if (::fsync(temporary.fd) != 0)
        return failed(errno);
    if (!temporary.close())
        return failed(errno);

    // The target may have been replaced meanwhile by something we must not touch.
    struct stat now {};
    if (::lstat(target.constData(), &now) == 0) {
        if (const char *why = refusalOf(now))
            return refused(why);
    } else if (errno != ENOENT) {
        return failed(errno);
    }
    if (::rename(temporary.path.constData(), target.constData()) != 0)
        return failed(errno);
    temporary.keep();

    // Make the rename itself durable; the content is already safe, so a directory
    // that cannot be synced is no failure of the write.
    const int dir = ::open(directory.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        (void)::fsync(dir);
        ::close(dir);
    }
    return {};
}

} // namespace ortelana
