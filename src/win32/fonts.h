// The program's fonts at a density.  MS Sans Serif is a bitmap face drawn for 96 dots
// per inch: at that density it is the layout's own font; at any other its few bitmaps
// would leave the text at a 96-dpi size in windows grown by the factor, so a scalable
// sans-serif of the same build takes its place (Microsoft Sans Serif, its TrueType
// twin, or Tahoma where the system lacks it, as Wine does), at the size scaled.
#pragma once

#include "win32/gdi.h"

namespace ortelana::win32 {

enum class FontRole {
    Sheet,     // the pictures' texts and the old-style box: 9.75 pt bold
    Label,     // «Год:», the caption, the dialogs' texts: 12 pt bold
    Link,      // the About window's link: 12 pt bold underlined
    YearBox,   // the year box: 13.5 pt regular
    Banner,    // the title page's HTML size 6 in Times New Roman: 32 px
};

// Returns: the font of `role` for a screen of `dpi` dots per inch.
Font uiFont(FontRole role, int dpi);

// Returns: the face uiFont asks for at `dpi`.
const wchar_t *sansSerifFace(int dpi);

} // namespace ortelana::win32
