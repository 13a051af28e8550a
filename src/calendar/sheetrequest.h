// What a sheet is drawn for, away from the window: the year and the old-style box.
// Export, printing and the command line pass it around.
#pragma once

namespace ortelana {

struct SheetRequest
{
    long long year = 0;      // kFirstYear to kLastYear
    bool oldStyle = true;    // the old-style box, as the window starts
};

} // namespace ortelana
