// The calendar's fixed texts are plain C++ UTF-8 strings; this turns them into the
// QStrings that widgets and pictures take.
#pragma once

#include <QString>

#include <string_view>

namespace ortelana {

inline QString toQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

} // namespace ortelana
