// Replacing a file without ever losing it, as the Linux program does: the new content
// goes into a temporary file beside the target, is flushed, and only then moved over
// the target.  The export and the redirect page write through here, and a failure is
// told in one Russian phrase built from the system's own error.
#pragma once

#include <string>

namespace ortelana::win32 {

struct WriteResult
{
    enum class Status {
        Written,   // the target now holds the content
        Refused,   // the target is one we never replace (or another program holds it); untouched
        Failed,    // the system failed us; the target is untouched, no temporary is left
    };
    Status status = Status::Written;
    unsigned long error = 0;   // the system's code for Failed
    std::wstring reason;       // one Russian phrase for Refused and Failed, empty when written

    bool written() const { return status == Status::Written; }
};

// Makes `bytes` the whole content of the file at `target`.  Refused, and left alone: a
// folder, a read-only file, a link (reparse point), a file another program holds open.
WriteResult writeFileSafely(const std::wstring &target, const std::string &bytes);

// Returns: the system's reason for `error`, a Win32 code or an HRESULT (one that
// wraps a Win32 code is read as that code), as one Russian phrase: the Linux
// program's words where the cause is the same, else the system's message in Russian
// where it has one, in its own language otherwise.
std::wstring errorText(unsigned long error);

} // namespace ortelana::win32
