// The Qt canvas: a scene's items drawn with a QPainter, onto a picture area's
// persistent image, a PDF page or paper alike.  Texts are shaped once per font and
// kept, since the same few (day numbers, abbreviations) repeat hundreds of times.
#pragma once

#include "calendar/canvas.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QRect>
#include <QStaticText>

class QPainter;

namespace ortelana {

class PainterCanvas : public Canvas
{
public:
    using TextCache = QHash<QString, QStaticText>;

    // Draws with `painter` in `font`; BackColour stands for `background`.  `cache`
    // (optional) keeps shaped texts across canvases over the same font.
    PainterCanvas(QPainter &painter, const QFont &font, const QColor &background, TextCache *cache = nullptr);

    void text(int x, int y, Colour colour, std::string_view utf8) override;
    int textWidth(std::string_view utf8) override;
    void fillBox(int x1, int y1, int x2, int y2, Colour colour) override;

    // Returns: the box around everything drawn so far, in the painter's coordinates.
    QRect touched() const { return drawn; }

private:
    QColor colourOf(Colour colour) const;
    const QStaticText &laidOut(const QString &text);

    QPainter &painter;
    QFont font;
    QColor background;
    TextCache ownCache;
    TextCache &cache;
    int lineHeight;
    QRect drawn;
};

} // namespace ortelana
