// The keyboard-focus frame of the widgets that draw their own picture (the picture
// areas, the title banner): painted on screen over the widget's edge, never into a
// persistent image, so what was drawn stays as it was.
#pragma once

class QPainter;
class QRect;
class QWidget;

namespace ortelana {

// Draws a dotted focus rectangle on the outermost pixels of `widget` with `painter`.
void drawFocusFrame(QPainter &painter, const QWidget &widget);
// Draws the same rectangle on the outermost pixels of `rect` (in widget coordinates).
void drawFocusFrame(QPainter &painter, const QWidget &widget, const QRect &rect);

} // namespace ortelana
