// The day cursor's moves.
#include "behaviour/daycursor.h"

namespace ortelana {

namespace {
int monthOf(int key) { return key / KeysPerMonth; }
} // namespace

void DayCursor::follow(const std::vector<SceneCell> &cells)
{
    const int wanted = key();
    keys.clear();
    for (const SceneCell &cell : cells)
        if (cell.day > 0)
            keys.push_back(cell.key);
    current = keys.empty() ? -1 : 0;
    // The wanted day, or the last day before it in its month (29 February in a common year).
    for (std::size_t i = 0; wanted >= 0 && i < keys.size(); ++i)
        if (keys[i] <= wanted && monthOf(keys[i]) == monthOf(wanted))
            current = int(i);
}

bool DayCursor::move(CursorKey key, bool control)
{
    if (current < 0 || (control && key != CursorKey::Home && key != CursorKey::End))
        return false;
    const int last = int(keys.size()) - 1;
    int first = current, end = current;   // the month of the cursor's day
    const int month = monthOf(keys[std::size_t(current)]);
    while (first > 0 && monthOf(keys[std::size_t(first - 1)]) == month)
        --first;
    while (end < last && monthOf(keys[std::size_t(end + 1)]) == month)
        ++end;
    const auto step = [&](int by) { return current + by < 0 || current + by > last ? current : current + by; };
    switch (key) {
    case CursorKey::Up: current = step(-1); break;
    case CursorKey::Down: current = step(1); break;
    case CursorKey::Left: current = step(-7); break;
    case CursorKey::Right: current = step(7); break;
    case CursorKey::Home: current = control ? 0 : first; break;
    case CursorKey::End: current = control ? last : end; break;
    }
    return true;
}

} // namespace ortelana
