// The day cursor over a picture of days (the year sheet, the week numbers window's
// month): Up and Down a day, Left and Right a week, Home and End the month's ends,
// with Ctrl the year's; a step that would leave the days leaves it where it is.  Shift
// changes nothing, as in a list that holds one choice; Ctrl with an arrow is no cursor
// key.  A new drawing keeps the cursor's month and day, or the month's last day when
// the year lacks it; it starts on the first day.
#pragma once

#include "calendar/scene.h"

#include <vector>

namespace ortelana {

enum class CursorKey { Up, Down, Left, Right, Home, End };

class DayCursor
{
public:
    // Takes the cells of a new drawing: its days come first, in date order.
    void follow(const std::vector<SceneCell> &cells);
    // Returns: false when the key is no cursor key (it is left to the window).
    bool move(CursorKey key, bool control);

    // The cursor's day as an index into the cells, and its key; -1 without days.
    int index() const { return current; }
    int key() const { return current < 0 ? -1 : keys[std::size_t(current)]; }

private:
    std::vector<int> keys;   // of the days
    int current = -1;
};

} // namespace ortelana
