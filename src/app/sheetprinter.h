// Printing the year sheet shown in the main window through the system print dialog.
#pragma once

#include <QString>

class QPrinter;

namespace ortelana {

class frmForma;

// Asks for a printer and prints the sheet as the window shows it (year and old-style
// state), laid out like the exported PDF.  A failure is shown in a message box.
// Returns: true when a page was printed.
bool printSheet(frmForma &window);

// Prints onto an already chosen printer.  Printing to a file goes through
// writeFileSafely, like an export.  Returns: true when printed; otherwise false, with
// one line saying why in `error` when given.
bool printSheet(const frmForma &window, QPrinter &printer, QString *error = nullptr);

} // namespace ortelana
