// Opens a web address in the user's default browser (module SaveFileUrlm): the
// address goes into a one-line redirect page in the current directory, and the page
// is what the desktop is asked to open.  No address is ever handed over directly.
#pragma once

#include <QString>

#include <cstddef>
#include <sys/types.h>
#include <unistd.h>

namespace ortelana {

// The page names tried in turn, 0.html to 99.html.  A directory where none of them
// can be written is given up on instead of being tried for ever.
inline constexpr int RedirectPageNames = 100;

// Writes to an open file as POSIX write() does.  Tests pass one that fails.
using WriteBytes = ssize_t (*)(int fd, const void *data, std::size_t size);

// Writes the redirect page for `address` under the first free name and asks the
// desktop to open it; returns without waiting for the browser.  Reports nothing: when
// no page can be written whole, nothing is opened.
void SaveFileUrl(const QString &address, WriteBytes write = ::write);

} // namespace ortelana
