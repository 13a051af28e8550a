// Start-up: creates the main window, shows it, puts the current year (or the one asked
// for on the command line) in the year box and draws it; and Qt's own texts in Russian.
#pragma once

#include "calendar/sheetrequest.h"

#include <QDate>
#include <QString>

#include <memory>
#include <optional>

namespace ortelana {

class frmForma;

// Runs the start-up sequence and returns the window, shown and drawn.  With `start`,
// the window opens at that year and old-style state instead of the current year.  The
// window owns the year it shows and the month the week numbers window remembers.
std::unique_ptr<frmForma> Main(const std::optional<SheetRequest> &start = std::nullopt);

// Returns: the whole year of `today`, held to 1 … 9 999 999 (a clock set to the
// year 10 000 opens at 10 000, not at 0000).
long long startYear(const QDate &today);

// Returns: the start-up year of the system date: the year box's and the export's default.
long long currentYear();

// Installs Qt's Russian translation (qtbase_ru.qm from Qt's translations folder), so
// that Qt's own texts (context menus, dialog buttons, the print dialog) are Russian
// like every other word of the program, whatever the locale.  Returns: false when the
// file is missing; Qt then keeps its own English texts.
bool installRussianQtTexts();

} // namespace ortelana
