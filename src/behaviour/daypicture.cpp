// The day cursor's moves, and finding cells.
#include "behaviour/daypicture.h"

namespace ortelana {

namespace {
int monthOf(int key) { return key / KeysPerMonth; }
} // namespace

void DayPicture::show(const Scene &scene)
{
    const int wanted = current < 0 ? -1 : keys[std::size_t(current)];
    drawn = scene.cells;
    year = scene.year;
    news.clear();
    keys.clear();
    for (const SceneCell &cell : drawn)
        if (cell.day > 0)
            keys.push_back(cell.key);
    current = keys.empty() ? -1 : 0;
    // The wanted day, or the last day before it in its month (29 February in a common year).
    for (std::size_t i = 0; wanted >= 0 && i < keys.size(); ++i)
        if (keys[i] <= wanted && monthOf(keys[i]) == monthOf(wanted))
            current = int(i);
}

bool DayPicture::move(CursorKey key, bool control)
{
    if (current < 0 || (control && key != CursorKey::Home && key != CursorKey::End))
        return false;
    const int last = days() - 1, month = monthOf(keys[std::size_t(current)]);
    int first = current, end = current;   // the month of the cursor's day
    while (first > 0 && monthOf(keys[std::size_t(first - 1)]) == month)
        --first;
    while (end < last && monthOf(keys[std::size_t(end + 1)]) == month)
        ++end;
    const auto step = [&](int by) { return current + by < 0 || current + by > last ? current : current + by; };
    const int before = current;
    switch (key) {
    case CursorKey::Up: current = step(-1); break;
    case CursorKey::Down: current = step(1); break;
    case CursorKey::Left: current = step(-7); break;
    case CursorKey::Right: current = step(7); break;
    case CursorKey::Home: current = control ? 0 : first; break;
    case CursorKey::End: current = control ? last : end; break;
    }
    if (current != before)
        news.clear();   // it went with the day it was said on
    return true;
}

int DayPicture::indexOfKey(int key) const
{
    for (std::size_t i = 0; i < drawn.size(); ++i)
        if (drawn[i].key == key)
            return int(i);
    return -1;
}

int DayPicture::indexAt(int x, int y) const
{
    for (std::size_t i = 0; i < drawn.size(); ++i)
        if (x >= drawn[i].x && x < drawn[i].x + drawn[i].width && y >= drawn[i].y && y < drawn[i].y + drawn[i].height)
            return int(i);
    return -1;
}

} // namespace ortelana
