// Start-up: creates the shared tables and the main window, shows it, puts the current
// year in the year box and draws it.
#pragma once

#include "calendar/sharedtables.h"

#include <QString>

#include <memory>

namespace ortelana {

class frmForma;

// Runs the start-up sequence and returns the window, shown and drawn.  The tables
// must outlive the window.
std::unique_ptr<frmForma> Main(SharedTables &tables);

// Returns: the year of the system date, as the year box shows it.
QString currentYearText();

} // namespace ortelana
