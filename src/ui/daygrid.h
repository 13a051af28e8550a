// What a picture of days offers to assistive technologies: the day cells it draws,
// each with its row and column in a table of weekday rows and week columns, its
// spoken name and its slot on the widget, the header texts, and the cell the day
// cursor stands on.  A picture carries one as a child; the table interface reads it.
#pragma once

#include "calendar/scene.h"

#include <QObject>
#include <QRect>
#include <QStringList>

#include <vector>

class QWidget;

namespace ortelana {

struct GridCell
{
    int key = 0;        // stays with the day across redrawings (month and day, or similar)
    int row = 0;        // [0, rows)
    int column = 0;     // [0, columns)
    QString name;       // what a screen reader says; made when first asked for
    QRect rect;         // the slot, in the picture widget's coordinates
};

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
    int rows() const { return int(rowHeaders.size()); }
    int columns() const { return int(columnHeaders.size()); }
    QString rowHeader(int row) const { return rowHeaders.value(row); }
    QString columnHeader(int column) const { return columnHeaders.value(column); }
    const std::vector<GridCell> &cells() const { return content; }
    // The scene's cells the grid's were made from, index for index.
    const std::vector<SceneCell> &sceneCells() const { return drawn; }

    // Returns: the index in cells() of the cell with this key or at this row and
    // column, or -1.
    int indexOfKey(int key) const;
    int indexAt(int row, int column) const;

    // Takes the cells and headers of a scene drawn into the picture (a new drawing) and
    // tells assistive technologies.  Names are made when first asked for: a drawing
    // then costs no text until a screen reader reads it.
    void showScene(const Scene &scene);
    // Returns: the name of cell `index` of cells().
    QString name(int index) const;

    // News of a new drawing (the year and its caption): the cursor's cell carries it
    // as its description until the cursor moves, and announces it at once while the
    // picture has the keyboard focus.  Every other cell, and every later move, says
    // only its name.
    QString description(int index) const;
    void setNews(const QString &text);

    // The day cursor's cell, by key (-1: none); announced as the accessible focus
    // while the picture has the keyboard focus.
    int currentKey() const { return current; }
    void setCurrentKey(int key);
    // Tells assistive technologies that the cursor's cell holds the focus.
    void announceFocus() const;

signals:
    void contentChanged();
    // Before news is announced on the cursor's cell: a screen reader speaks a focus
    // only on an object new to it, so the cell is to be made afresh.
    void newsArriving(int key);

private:
    mutable std::vector<GridCell> content;   // names filled in as they are asked for
    std::vector<SceneCell> drawn;
    long long year = 0;
    QStringList rowHeaders;
    QStringList columnHeaders;
    QString news;
    int current = -1;
};

} // namespace ortelana
