// What a picture of days offers to assistive technologies: its DayPicture (the cells
// drawn with their names, the day cursor, the news), each cell's slot on the widget,
// its row and column in a table of weekday rows and week columns and their header
// texts.  A picture carries one as a child; the table interface reads it.
#pragma once

#include "behaviour/daypicture.h"

#include <QObject>
#include <QRect>
#include <QStringList>

class QWidget;

namespace ortelana {

class DayGrid : public QObject
{
    Q_OBJECT

public:
    // Attaches to `picture`; create it before the picture is first named, so that the
    // picture's accessible interface is made as a table.
    explicit DayGrid(QWidget *picture);

    // Returns: the grid attached to `object`, or nullptr.
    static DayGrid *of(const QObject *object);

    QWidget *picture() const;
    const DayPicture &days() const { return model; }
    int rows() const { return int(rowHeaders.size()); }
    int columns() const { return int(columnHeaders.size()); }
    QString rowHeader(int row) const { return rowHeaders.value(row); }
    QString columnHeader(int column) const { return columnHeaders.value(column); }
    // Returns: the slot of cell `index` in the picture widget's coordinates.
    QRect rect(int index) const;
    // Returns: the index of the cell at this row and column, or -1.
    int indexAt(int row, int column) const;
    // The day cursor's cell, by key (-1: none).
    int currentKey() const;

    // Takes the cells and headers of a scene drawn into the picture (a new drawing) and
    // tells assistive technologies.
    void showScene(const Scene &scene);
    // News of the new drawing: announced at once on the cursor's cell while the picture
    // has the keyboard focus.
    void setNews(const QString &text);
    // Moves the day cursor; returns false when the key is no cursor key.
    bool move(CursorKey key, bool control);
    // Tells assistive technologies that the cursor's cell holds the focus.
    void announceFocus() const;

signals:
    void contentChanged();
    // Before news is announced on the cursor's cell: a screen reader speaks a focus
    // only on an object new to it, so the cell is to be made afresh.
    void newsArriving(int key);

private:
    DayPicture model;
    QStringList rowHeaders;
    QStringList columnHeaders;
};

} // namespace ortelana
