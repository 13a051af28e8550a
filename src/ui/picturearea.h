// A picture area with a persistent image: everything drawn into it stays in a QImage
// that paintEvent only copies to the screen, so nothing is ever redrawn on repaint.
// Coordinates are logical pixels from the top left of the drawing area (inside the
// frame, when there is one); the image itself follows the screen's pixel density.
// It draws scene items in the widget's font, the erase colour being its background.
// A picture of days (one with a DayGrid) has the day cursor: while it has the keyboard
// focus its cursor keys move it, and a focus frame shows round the cursor's day, on
// the screen only, never in the image.
#pragma once

#include "calendar/canvas.h"
#include "paint/paintercanvas.h"

#include <QColor>
#include <QFrame>
#include <QImage>

namespace ortelana {

class PictureArea : public QFrame
{
    Q_OBJECT

public:
    enum class Border { None, Sunken };

    explicit PictureArea(Border border, QWidget *parent = nullptr);
    ~PictureArea() override;

    // Draws the items into the image, in order, and shows them.
    void draw(const std::vector<SceneItem> &items);

    // Returns: the width of the text in the area's font, in pixels.
    int TextWidth(const QString &text) const;

    QColor BackColor() const { return backColor; }
    // Sets the background and clears the picture to it.
    void setBackColor(const QColor &color);

    // Returns: the persistent image, at the current pixel density.
    const QImage &image();
    // Size of the drawing area in logical pixels.
    QSize drawingSize() const { return contentsRect().size(); }

    // Fixes the pixel density of the image (for off-screen rendering); 0 follows the screen.
    void setImageScale(qreal scale);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void ensureImage();
    qreal targetScale() const;

    QImage picture;
    QColor backColor;
    qreal fixedScale = 0;
    PainterCanvas::TextCache textCache;   // shaped texts of the current font
};

} // namespace ortelana
