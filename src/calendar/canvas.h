// The seam between what is drawn and what draws it: a scene's items go to a Canvas,
// which each front end implements over its own picture area (a QImage or QPainter on
// Linux, a GDI bitmap on Windows).  Only plain types cross it.
#pragma once

#include "calendar/colours.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace ortelana {

// A text (UTF-8) with the top-left corner of its line at (x, y).  With a span, it is
// centred over [x, x + span) by its measured width, halves going to the even neighbour.
struct TextItem
{
    int x = 0;
    int y = 0;
    int span = 0;
    Colour colour = 0;
    std::string text;
};

// A filled box between two corners, both included.
struct BoxItem
{
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    Colour colour = 0;
};

using SceneItem = std::variant<TextItem, BoxItem>;

class Canvas
{
public:
    virtual ~Canvas() = default;
    virtual void text(int x, int y, Colour colour, std::string_view utf8) = 0;
    // Returns: the width of the text in the canvas's font, in pixels.
    virtual int textWidth(std::string_view utf8) = 0;
    // BackColour fills with the canvas's own background.
    virtual void fillBox(int x1, int y1, int x2, int y2, Colour colour) = 0;
};

// Returns: the left edge of a text `width` pixels wide centred over `span` pixels
// from `x`: the spare room is rounded, then halved and rounded again, halves to even.
int centredLeft(int x, int span, int width);

// Draws the items in order.
void draw(const std::vector<SceneItem> &items, Canvas &canvas);

} // namespace ortelana
