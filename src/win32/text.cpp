// Conversions through the system's own converters.
#include "win32/text.h"

#include <windows.h>

namespace ortelana::win32 {

std::wstring widen(std::string_view utf8)
{
    if (utf8.empty())
        return {};
    const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring wide(std::size_t(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), wide.data(), size);
    return wide;
}

namespace {
std::string toCodePage(UINT codePage, std::wstring_view wide)
{
    if (wide.empty())
        return {};
    const int size = WideCharToMultiByte(codePage, 0, wide.data(), int(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(std::size_t(size), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), int(wide.size()), bytes.data(), size, nullptr, nullptr);
    return bytes;
}
} // namespace

std::string narrow(std::wstring_view wide) { return toCodePage(CP_UTF8, wide); }

std::string toCodePage1251(std::wstring_view wide) { return toCodePage(1251, wide); }

} // namespace ortelana::win32
