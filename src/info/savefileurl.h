// Opens a web address in the user's default browser: the address goes into a
// one-line redirect page in the current directory, and the page is what the desktop
// is asked to open.  No address is ever handed over directly.
#pragma once

#include "output/safewriter.h"

#include <QString>

namespace ortelana {

// The page names tried in turn, 0.html to 99.html.  A directory where none of them
// can be written is given up on instead of being tried for ever.
inline constexpr int RedirectPageNames = 100;

// Writes the redirect page for `address` under the first name that may be replaced
// (see writeFileSafely) and asks the desktop to open it; returns without waiting for
// the browser.  Reports nothing: when the page cannot be written whole, the old file
// stays as it was and nothing is opened.
void SaveFileUrl(const QString &address, WriteBytes write = ::write);

} // namespace ortelana
