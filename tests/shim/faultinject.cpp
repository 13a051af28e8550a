// Fault injection for the tests, preloaded (LD_PRELOAD) into the real program: files
// in one folder behave as on a full disk (or under a file size limit) after a given
// number of bytes, or fail at fsync or close.  Works on any file system, as any user.
// Driven by the environment:
//   ORTELANA_FAULT_DIR    the folder whose files are affected; nothing happens without it
//   ORTELANA_FAULT_ERRNO  ENOSPC (default) or EFBIG
//   ORTELANA_FAULT_BYTES  bytes that still fit there in all (default 0); the write that
//                         crosses the line writes what fits, the next one fails
//   ORTELANA_FAULT_AT     write (default), fsync or close: where the error appears
#include <atomic>
#include <cerrno>
#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <sys/types.h>
#include <sys/uio.h>
#include <unistd.h>

namespace {

template <typename Function>
Function real(const char *name)
{
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

// Returns: whether `fd` is a file inside ORTELANA_FAULT_DIR.
bool affected(int fd)
{
    const char *dir = std::getenv("ORTELANA_FAULT_DIR");
    if (!dir || !*dir)
        return false;
    char link[64];
    char path[PATH_MAX];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t length = ::readlink(link, path, sizeof path - 1);
    if (length < 0)
        return false;
    path[length] = '\0';
    const std::size_t dirLength = std::strlen(dir);
    return std::strncmp(path, dir, dirLength) == 0 && path[dirLength] == '/';
}

bool failsAt(const char *where)
{
    const char *at = std::getenv("ORTELANA_FAULT_AT");
    return std::strcmp(at && *at ? at : "write", where) == 0;
}

int injectedError()
{
    const char *name = std::getenv("ORTELANA_FAULT_ERRNO");
    return name && std::strcmp(name, "EFBIG") == 0 ? EFBIG : ENOSPC;
}

// Returns: how many of `size` bytes may still be written; counts them as written.
// The count is the disk's fill level, so it lives as long as the process.
std::size_t room(std::size_t size)
{
    static std::atomic<long long> used{0};
    const char *limitText = std::getenv("ORTELANA_FAULT_BYTES");
    const long long limit = limitText ? std::atoll(limitText) : 0;
    long long before = used.load();
    long long granted = 0;
    do {
        granted = std::max(0LL, std::min<long long>(limit - before, (long long)size));
    } while (!used.compare_exchange_weak(before, before + granted));
    return std::size_t(granted);
}

} // namespace

extern "C" {

ssize_t write(int fd, const void *data, std::size_t size)
{
    static const auto next = real<ssize_t (*)(int, const void *, std::size_t)>("write");
    if (size == 0 || !failsAt("write") || !affected(fd))
        return next(fd, data, size);
    const std::size_t fits = room(size);
    if (fits == 0) {
        errno = injectedError();
        return -1;
    }
    return next(fd, data, fits);
}

ssize_t writev(int fd, const struct iovec *parts, int count)
{
    static const auto next = real<ssize_t (*)(int, const struct iovec *, int)>("writev");
    if (!failsAt("write") || !affected(fd))
        return next(fd, parts, count);
    // Written part by part, so that the limit can cut anywhere.
    ssize_t total = 0;
    for (int i = 0; i < count; ++i) {
        const ssize_t done = write(fd, parts[i].iov_base, parts[i].iov_len);
        if (done < 0)
            return total > 0 ? total : -1;
        total += done;
        if (std::size_t(done) < parts[i].iov_len)
            break;
    }
    return total;
}

int fsync(int fd)
{
    static const auto next = real<int (*)(int)>("fsync");
    if (failsAt("fsync") && affected(fd)) {
        errno = injectedError();
        return -1;
    }
    return next(fd);
}

int fdatasync(int fd)
{
    static const auto next = real<int (*)(int)>("fdatasync");
    if (failsAt("fsync") && affected(fd)) {
        errno = injectedError();
        return -1;
    }
    return next(fd);
}

int close(int fd)
{
    static const auto next = real<int (*)(int)>("close");
    const bool fail = failsAt("close") && affected(fd);
    const int result = next(fd);   // the descriptor is gone either way, as in Linux
    if (fail) {
        errno = injectedError();
        return -1;
    }
    return result;
}

} // extern "C"
