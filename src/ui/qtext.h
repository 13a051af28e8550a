// The plain layers' texts and rectangles as Qt takes them: UTF-8 strings as QStrings,
// layout rectangles as QRects.
#pragma once

#include "behaviour/layout.h"

#include <QRect>
#include <QString>

#include <string_view>

namespace ortelana {

inline QString toQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

inline QRect toQRect(const layout::Rect &rect)
{
    return QRect(rect.x, rect.y, rect.width, rect.height);
}

} // namespace ortelana
