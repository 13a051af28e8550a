// windows-1251 encoding through iconv.
#include "info/windows1251.h"

#include <QList>
#include <QScopeGuard>

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace ortelana {

namespace {

// Returns: the length of the UTF-8 sequence that starts with this byte.
int sequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if ((lead >> 5) == 0x6)
        return 2;
    if ((lead >> 4) == 0xE)
        return 3;
    return 4;
}

// Used only when the system has no converter: ASCII stays, the rest becomes "?".
QByteArray asciiOnly(const QString &text)
{
    QByteArray out;
    for (const uint c : text.toUcs4())
        out.append(c < 0x80 ? char(c) : '?');
    return out;
}

} // namespace

QByteArray toWindows1251(const QString &text)
{
    const iconv_t converter = iconv_open("WINDOWS-1251", "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1))
        return asciiOnly(text);
    const auto closeConverter = qScopeGuard([converter] { iconv_close(converter); });

    QByteArray utf8 = text.toUtf8();
    char *in = utf8.data();
    std::size_t inLeft = std::size_t(utf8.size());
    QByteArray out;
    out.reserve(utf8.size());
    char buffer[256];
    while (inLeft > 0) {
        char *outPos = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = iconv(converter, &in, &inLeft, &outPos, &outLeft);
        out.append(buffer, outPos - buffer);
        if (result != std::size_t(-1) || errno == E2BIG)
            continue;
        // The character at `in` has no place in the code page (or is cut short).
        out.append('?');
        const std::size_t skip = std::min<std::size_t>(sequenceLength(static_cast<unsigned char>(*in)), inLeft);
        in += skip;
        inLeft -= skip;
    }
    return out;
}

} // namespace ortelana
