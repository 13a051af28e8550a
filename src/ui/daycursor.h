// The day cursor's face on a picture of days (the year sheet, the week numbers
// window's month): while the picture has the keyboard focus, its cursor keys move the
// day cursor (behaviour/daycursor.h, which holds the rules), whose cell becomes the
// accessible focus and shows as a focus frame around its day's slot.  It is a
// transparent widget over the picture, so its frame is drawn on screen only, never
// into the picture's image.
#pragma once

#include "behaviour/daycursor.h"

#include <QWidget>

namespace ortelana {

class DayGrid;

class DayCursorView : public QWidget
{
    Q_OBJECT

public:
    // Lies over `picture`, whose days `grid` describes.
    DayCursorView(QWidget *picture, DayGrid &grid);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void follow();

    DayGrid &grid;
    DayCursor cursor;
};

} // namespace ortelana
