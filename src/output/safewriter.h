// Replacing a file without ever losing it: the new content goes into a temporary
// file beside the target, is flushed to disk, and only then renamed over the target.
// Export, printing to a file and the redirect page all write through here.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <sys/types.h>
#include <unistd.h>

namespace ortelana {

// Writes to an open file as POSIX write() does.  Tests pass one that fails.
using WriteBytes = ssize_t (*)(int fd, const void *data, std::size_t size);

struct SafeWriteResult
{
    enum class Status {
        Written,   // the target now holds the content
        Refused,   // the target is something we never replace; it is untouched
        Failed,    // the system failed us; the target is untouched, no temporary is left
    };
    Status status = Status::Written;
    int error = 0;     // errno for Failed
    QString reason;    // one Russian phrase for Refused and Failed, empty when written

    bool written() const { return status == Status::Written; }
};

// Makes `content` the whole content of the file at `target` (bytes as the system
// takes them).  Refused, and left alone: symbolic links, files with more than one
// hard link, anything that is not a regular file, files without a write bit (even for
// root).  A replaced file keeps its mode (and, for root, its owner).
SafeWriteResult writeFileSafely(const QByteArray &target, const QByteArray &content,
                                WriteBytes write = ::write);

// Returns: the system's reason for `error` as one Russian phrase.
QString errorText(int error);

} // namespace ortelana
