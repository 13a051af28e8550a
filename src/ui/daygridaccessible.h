// The accessible interfaces of a picture that carries a DayGrid: the picture is a
// table (weekday rows, week columns), each drawn day a cell named by its date, the
// weekday and month names its headers, the day cursor's cell the focus.  Made the
// way Qt's item views present theirs, from the grid, never from pixels.
#pragma once

class QWidget;

namespace ortelana {

// Makes the interface of `picture`, which carries a DayGrid, the table.
void useDayGridAccessibility(QWidget *picture);

} // namespace ortelana
