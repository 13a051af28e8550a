// The redirect page both programs write for a web link: one line of HTML that sends
// the browser on to the address.  Plain C++, so that the Windows program shares it.
#pragma once

#include <string>
#include <string_view>

namespace ortelana {

// Returns: the page for `address`, which comes already in windows-1251, the charset
// the page declares: head, address, tail and CR LF.
inline std::string redirectPage(std::string_view address)
{
    constexpr std::string_view Head = "<html><head><meta http-equiv='refresh' content='0; url=";
    constexpr std::string_view Tail =
        "'><meta http-equiv='Content-Type' content='text/html; charset=windows-1251'>"
        "<title>WWW</title></head><body></body></html>\r\n";
    return std::string(Head).append(address).append(Tail);
}

} // namespace ortelana
