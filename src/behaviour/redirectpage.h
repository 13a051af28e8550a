// The redirect page both programs write for a web link: one line of HTML that sends
// the browser on to the address, under the first of the names 0.html to 99.html
// that may be written.  The face passes in the writer of its own files.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace ortelana {

// The page names tried in turn; a directory where none of them can be written is
// given up on instead of being tried for ever.
inline constexpr int RedirectPageNames = 100;

// Returns: the page for `address`, which comes already in windows-1251, the charset
// the page declares: head, address, tail and CR LF.
std::string redirectPage(std::string_view address);

// What writing a page under a name came to: written whole; the name may not be
// replaced (read-only, a folder, a link, held open), so the next is tried; or the
// directory takes no file, so none is.
enum class PageWrite { Written, Taken, Failed };
using PageWriter = std::function<PageWrite(const std::string &name, const std::string &page)>;

// Writes the page for `address` through `write` under 0.html, 1.html, ... until one is
// written.  Returns: the name written, or empty.
std::string writeRedirectPage(std::string_view address, const PageWriter &write);

} // namespace ortelana
