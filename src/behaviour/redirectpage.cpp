// The redirect page's text and names.
#include "behaviour/redirectpage.h"

namespace ortelana {

std::string redirectPage(std::string_view address)
{
    constexpr std::string_view Head = "<html><head><meta http-equiv='refresh' content='0; url=";
    constexpr std::string_view Tail =
        "'><meta http-equiv='Content-Type' content='text/html; charset=windows-1251'>"
        "<title>WWW</title></head><body></body></html>\r\n";
    return std::string(Head).append(address).append(Tail);
}

std::string writeRedirectPage(std::string_view address, const PageWriter &write)
{
    const std::string page = redirectPage(address);
    for (int number = 0; number < RedirectPageNames; ++number) {
        const std::string name = std::to_string(number) + ".html";
        switch (write(name, page)) {
        case PageWrite::Taken:
            continue;
        case PageWrite::Failed:
            return {};
        case PageWrite::Written:
            return name;
        }
    }
    return {};
}

} // namespace ortelana
