// Opens a web address in the user's default browser: the address goes into a
// one-line redirect page in the current directory, and the page is what the desktop
// is asked to open.  No address is ever handed over directly.
#pragma once

#include "output/safewriter.h"

#include <QString>

namespace ortelana {

// Writes the redirect page for `address` under the first of its names that may be
// replaced (writeRedirectPage, writeFileSafely) and asks the desktop to open it;
// returns without waiting for the browser.  Reports nothing: when the page cannot be
// written whole, the old file stays as it was and nothing is opened.
void SaveFileUrl(const QString &address, WriteBytes write = ::write);

} // namespace ortelana
