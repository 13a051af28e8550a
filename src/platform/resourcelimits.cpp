// Resource limits: RLIMIT_NOFILE and RLIMIT_AS against measured needs.
#include "platform/resourcelimits.h"

#include "platform/ending.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <new>
#include <sys/resource.h>

namespace ortelana {

namespace {

// Qt's event loop, the display connection, fonts and plug-ins: the window came up with
// 10 descriptors, an export with 5 (plug-ins then fail to load); twice that and more
// leaves room for the dialogs.
constexpr rlim_t FewestDescriptors = 32;

// Address space (ulimit -v), in KiB.  A normal window reserves about 450 MB (thread
// stacks, malloc arenas, Qt's libraries); below about 250 MB threads fail to start and
// GLib aborts on an allocation, so the window asks for a margin above that.  An export
// needs less; below about 85 MB its images cannot be allocated at all and Qt paints
// nothing (or crashes in zlib), above that a failure ends in OutOfMemoryMessage.
constexpr rlim_t WindowAddressSpaceKiB = 384 * 1024;
constexpr rlim_t ExportAddressSpaceKiB = 96 * 1024;

[[noreturn]] void outOfMemory()
{
    endWithLine(OutOfMemoryMessage, 1);
}

// Qt reports a failed allocation by throwing std::bad_alloc, often through functions
// that may not throw, where it cannot be caught and ends in std::terminate.
[[noreturn]] void terminated()
{
    if (const std::exception_ptr current = std::current_exception()) {
        try {
            std::rethrow_exception(current);
        } catch (const std::bad_alloc &) {
            outOfMemory();
        } catch (...) {
        }
    }
    __gnu_cxx::__verbose_terminate_handler();
    std::abort();
}

} // namespace

QString checkResourceLimits(bool window)
{
    rlimit files{};
    if (::getrlimit(RLIMIT_NOFILE, &files) == 0) {
        if (files.rlim_cur < files.rlim_max) {
            files.rlim_cur = files.rlim_max;
            ::setrlimit(RLIMIT_NOFILE, &files);
            ::getrlimit(RLIMIT_NOFILE, &files);
        }
        if (files.rlim_cur < FewestDescriptors)
            return QStringLiteral("ortelana: слишком мало файловых дескрипторов: нужно не меньше %1, а разрешено %2 (ulimit -n)")
                .arg(FewestDescriptors)
                .arg(files.rlim_cur);
    }
    rlimit memory{};
    const rlim_t needed = window ? WindowAddressSpaceKiB : ExportAddressSpaceKiB;
    if (::getrlimit(RLIMIT_AS, &memory) == 0 && memory.rlim_cur != RLIM_INFINITY && memory.rlim_cur / 1024 < needed)
        return QStringLiteral("%1: %2 нужно не меньше %3 МБ адресного пространства, а разрешено %4 МБ (ulimit -v)")
            .arg(QString::fromUtf8(OutOfMemoryMessage), window ? QStringLiteral("окну") : QStringLiteral("экспорту"))
            .arg(needed / 1024)
            .arg(memory.rlim_cur / 1024 / 1024);
    return {};
}

void endOnOutOfMemory()
{
    std::set_new_handler(outOfMemory);
    std::set_terminate(terminated);
}

} // namespace ortelana
