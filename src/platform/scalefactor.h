// Scale factors from the environment.  Qt takes QT_SCALE_FACTOR and
// QT_SCREEN_SCALE_FACTORS as they are: at 0, "nan" or 1e9 it paints nothing and idles
// on, at -1 it makes a window of one pixel.  A value that is no finite number from
// 0.25 to 8 is dropped before Qt starts, with one line, and the screen's own scale is
// used.
#pragma once

#include <QStringList>

namespace ortelana {

// Removes each scale-factor variable with a value Qt cannot use.  Returns: one line
// for each variable removed.
QStringList dropUnusableScaleFactors();

} // namespace ortelana
