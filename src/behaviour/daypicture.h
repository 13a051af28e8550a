// A picture of days (the year sheet, the week numbers window's month) as the keyboard
// and screen readers meet it: the scene's cells with their spoken names, the day cursor
// over the days (Up and Down a day, Left and Right a week, Home and End the month's
// ends, with Ctrl the year's; Shift changes nothing, as in a list of one choice) and the
// news of the drawing, said with the cursor's day until the cursor moves.
#pragma once

#include "calendar/scene.h"

#include <string>
#include <vector>

namespace ortelana {

enum class CursorKey { Up, Down, Left, Right, Home, End };

class DayPicture
{
public:
    // Takes the cells of a new drawing, days first in date order; the news goes, the
    // cursor keeps its month and day, or the month's last day when the year lacks it.
    void show(const Scene &scene);
    void setNews(std::string text) { news = std::move(text); }
    // Returns: false when the key is no cursor key (Ctrl with an arrow), left to the
    // window.  A step that would leave the days leaves the cursor where it is.
    bool move(CursorKey key, bool control);

    const std::vector<SceneCell> &cells() const { return drawn; }
    int days() const { return int(keys.size()); }
    int cursor() const { return current; }   // an index into cells(); -1 without days
    std::string name(int index) const { return spokenName(year, drawn[std::size_t(index)]); }
    std::string description(int index) const { return index == current ? news : std::string(); }
    // Returns: the cell with this key, or at this point of the scene, or -1.
    int indexOfKey(int key) const;
    int indexAt(int x, int y) const;

private:
    std::vector<SceneCell> drawn;
    std::vector<int> keys;   // of the days
    long long year = 0;
    int current = -1;
    std::string news;
};

} // namespace ortelana
