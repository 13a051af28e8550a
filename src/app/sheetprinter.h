// Printing the year sheet shown in the main window through the system print dialog.
#pragma once

class QPrinter;

namespace ortelana {

class frmForma;

// Asks for a printer and prints the sheet as the window shows it (year and old-style
// state), laid out like the exported PDF.  Returns: true when a page was printed.
bool printSheet(frmForma &window);

// Prints onto an already chosen printer.
bool printSheet(const frmForma &window, QPrinter &printer);

} // namespace ortelana
