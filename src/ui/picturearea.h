// A picture area with a persistent image: everything drawn into it stays in a QImage
// that paintEvent only copies to the screen, so nothing is ever redrawn on repaint.
// Coordinates are logical pixels from the top left of the drawing area (inside the
// frame, when there is one); the image itself follows the screen's pixel density.
#pragma once

#include <QColor>
#include <QFrame>
#include <QHash>
#include <QImage>
#include <QStaticText>

#include <memory>

namespace ortelana {

class PictureArea : public QFrame
{
    Q_OBJECT

public:
    enum class Border { None, Sunken };

    explicit PictureArea(Border border, QWidget *parent = nullptr);
    ~PictureArea() override;

    // The text position and pen colour of the next Print.
    int CurrentX = 0;
    int CurrentY = 0;
    QColor ForeColor = Qt::black;

    // Writes the text at the text position, then ends the line: x back to 0, y one
    // text line down.
    void Print(const QString &text);
    // Writes a number as blank + digits + blank (the blank before is the sign place).
    void Print(long long number);

    // Returns: the width of the text in the area's font, in pixels.
    int TextWidth(const QString &text) const;
    // Returns: the height of one text line.
    int TextHeight() const;

    // Fills the box between two corners, both included, in one colour.
    void FillBox(int x1, int y1, int x2, int y2, const QColor &color);

    QColor BackColor() const { return backColor; }
    // Sets the background and clears the picture to it.
    void setBackColor(const QColor &color);

    // Returns: the persistent image, at the current pixel density.
    const QImage &image();
    // Size of the drawing area in logical pixels.
    QSize drawingSize() const { return contentsRect().size(); }

    // Fixes the pixel density of the image (for off-screen rendering); 0 follows the screen.
    void setImageScale(qreal scale);

    // Repeats every later drawing step on another painter as well (for vector output
    // such as PDF); nullptr stops.  The painter must outlive the mirroring.
    void setMirror(QPainter *painter) { mirror = painter; }

    // Keeps one painter open over a run of drawing steps and repaints once at its end;
    // a sheet of 366 numbers draws several times faster this way.
    class Batch
    {
    public:
        explicit Batch(PictureArea &area);
        ~Batch();
        Batch(const Batch &) = delete;
        Batch &operator=(const Batch &) = delete;

    private:
        PictureArea &area;
    };

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void ensureImage();
    qreal targetScale() const;
    void markDirty(const QRect &logical);
    template <typename Draw> void paint(Draw &&draw);
    const QStaticText &laidOut(const QString &text);

    QImage picture;
    QColor backColor;
    qreal fixedScale = 0;

    std::unique_ptr<QPainter> batchPainter;
    QPainter *mirror = nullptr;
    QRect batchDirty;
    int batchDepth = 0;

    // Texts are few and repeat (day numbers, abbreviations): shape each once per font.
    QHash<QString, QStaticText> textCache;
    int lineHeight = 0;
};

} // namespace ortelana
