// Font stand-ins.  Liberation Sans keeps the widths the pixel layouts were made for
// (" 31 " at 13 px bold is 22 px, one week column); wider fonts such as DejaVu Sans
// push the sixth column past the erased day area.
#include "paint/fonts.h"

namespace ortelana {

void registerFontSubstitutes()
{
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
}

QFont sansSerifFont(int pixelSize, bool bold, bool underline)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

} // namespace ortelana
