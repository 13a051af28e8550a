// Opening documents and web links through the shell.  A web address is never handed
// over itself: it goes into a one-line redirect page in the current directory, and
// the page is what the shell is asked to open.
#pragma once

#include <string>
#include <string_view>

namespace ortelana::win32 {

// Hands a file, by its full path, to whatever opens it; tests pass a recorder.
using Opener = void (*)(const std::wstring &path);

// Asks the shell to open `path` with the verb "open", the program's folder as working
// directory; the result is not looked at (whatever the shell shows is its own).
void shellOpen(const std::wstring &path);

// Writes the page for `address` (behaviour/redirectpage.h) as the first N.html in the
// current directory that may be replaced (not read-only, not a folder, not held open
// by another program), whole or not at all (writeFileSafely), and asks the shell to
// open it.  When no page can be written (a missing or read-only directory, a full
// disk), nothing is opened, and `*failure` gets the one Russian line that says why.
// Returns: the full path of the page written, or empty.
std::wstring SaveFileUrl(std::wstring_view address, Opener open = shellOpen, std::wstring *failure = nullptr);

// Asks the shell to open `fileName` from the program's folder with the verb "open",
// that folder as working directory.  A missing file is passed over in silence.
// Returns: whether the shell was asked.
bool OpenInShell(std::wstring_view fileName, Opener open = shellOpen);

// Returns: the folder that holds the program, without a trailing backslash.
std::wstring programFolder();

} // namespace ortelana::win32
