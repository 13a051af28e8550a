// The font check: asks the font the sheet draws with for the characters it needs.
#include "paint/fontcheck.h"

#include "paint/fonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

namespace ortelana {

bool sheetFontsAvailable()
{
    if (QFontDatabase::families().isEmpty())
        return false;
    // Any font that matches is good enough: a stand-in with other widths still draws a
    // readable sheet.
    const QFontMetrics metrics(sansSerifFont(fontpx::Pt9_75, true));
    for (const QChar c : QStringLiteral("09ЯНВАРЬ"))
        if (!metrics.inFont(c))
            return false;
    return true;
}

} // namespace ortelana
