// The About window's link as a control of its own: a label that takes the keyboard
// focus by Tab (shown by a dotted frame drawn over its edge, so its text keeps its
// pixels), answers Enter and Space as a click, and is pressed by screen readers
// through its own action.  A click is the left button pressed and released over it.
#pragma once

#include <QLabel>

namespace ortelana {

class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    // The link to `address`, showing `text`.
    LinkLabel(const QString &text, const QString &address, QWidget *parent = nullptr);

    QString address() const { return target; }

    // What a click, a key or a screen reader's press does.
    void click() { emit clicked(); }

signals:
    void clicked();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QString target;
    bool pressed = false;   // the left button went down over the link
};

} // namespace ortelana
