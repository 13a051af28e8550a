// The day cursor on a picture of days (the year sheet, the week numbers window's
// month): while the picture has the keyboard focus, the
// arrows, Home and End move it over the days of the grid (Up and Down a day, Left and
// Right a week, Home and End the month's ends, with Ctrl the year's), it shows as a
// focus frame around its day's slot, and its cell is the accessible focus.  It is a
// Cells below the seven weekday rows (week numbers) are read, not visited.  It is a
// transparent widget over the picture, so its frame is drawn on screen only, never
// into the picture's image.
#pragma once

#include <QWidget>

namespace ortelana {

class DayGrid;

class DayCursor : public QWidget
{
    Q_OBJECT

public:
    // Lies over `picture`, whose days `grid` describes.  Starts on 1 January; a new
    // drawing keeps its month and day (the month's last day when the year lacks it).
    DayCursor(QWidget *picture, DayGrid &grid);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void follow();
    // Returns: the index of the cell the key moves to, or -1 when it is not a cursor key.
    int target(int key, Qt::KeyboardModifiers modifiers) const;

    DayGrid &grid;
};

} // namespace ortelana
