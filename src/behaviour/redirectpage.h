// The redirect page both programs write for a web link: one line of HTML that sends
// the browser on to the address, under the first of the names 0.html to 99.html that
// may be written (a directory where none can be is given up on).
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace ortelana {

inline constexpr int RedirectPageNames = 100;

// Returns: the page for `address`, already in windows-1251, the charset the page
// declares: head, address, tail and CR LF.
inline std::string redirectPage(std::string_view address)
{
    constexpr std::string_view Head = "<html><head><meta http-equiv='refresh' content='0; url=";
    constexpr std::string_view Tail = "'><meta http-equiv='Content-Type' content='text/html; charset=windows-1251'>"
                                      "<title>WWW</title></head><body></body></html>\r\n";
    return std::string(Head).append(address).append(Tail);
}

// What writing the page under a name came to, as the face's writer tells it: written
// whole; the name may not be replaced (read-only, a folder, held open), so the next is
// tried; or the directory takes no file at all.
enum class PageWrite { Written, Taken, Failed };

// Returns: the name the page for `address` was written under through `write`, or empty.
inline std::string writeRedirectPage(std::string_view address,
                                     const std::function<PageWrite(const std::string &name, const std::string &page)> &write)
{
    const std::string page = redirectPage(address);
    for (int number = 0; number < RedirectPageNames; ++number) {
        const std::string name = std::to_string(number) + ".html";
        if (const PageWrite written = write(name, page); written != PageWrite::Taken)
            return written == PageWrite::Written ? name : std::string();
    }
    return {};
}

} // namespace ortelana
