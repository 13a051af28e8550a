// The accessible interfaces of a picture that carries a DayGrid: the picture is a list
// of its days in date order (as Qt presents a list view whose items flow down in
// columns) that also answers as a table of weekday rows and week columns; each drawn
// day an item named by its date, the weekday and month names the table's headers,
// the day cursor's item the focus.  Made from the grid, never from pixels.
#pragma once

class QWidget;

namespace ortelana {

// Makes the interface of `picture`, which carries a DayGrid, the table.
void useDayGridAccessibility(QWidget *picture);

} // namespace ortelana
