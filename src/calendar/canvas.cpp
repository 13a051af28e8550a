// Replaying a scene's items on a canvas.
#include "calendar/canvas.h"

#include <cmath>

namespace ortelana {

int centredLeft(int x, int span, int width)
{
    const double spare = std::nearbyint(double(span - width));
    return x + int(std::nearbyint(spare / 2));
}

void draw(const std::vector<SceneItem> &items, Canvas &canvas)
{
    for (const SceneItem &item : items) {
        if (const auto *text = std::get_if<TextItem>(&item)) {
            const int x = text->span > 0 ? centredLeft(text->x, text->span, canvas.textWidth(text->text)) : text->x;
            canvas.text(x, text->y, text->colour, text->text);
        } else {
            const BoxItem &box = std::get<BoxItem>(item);
            canvas.fillBox(box.x1, box.y1, box.x2, box.y2, box.colour);
        }
    }
}

} // namespace ortelana
