// Printing the year sheet through the system print dialog.
#pragma once

#include "calendar/sheetrequest.h"

#include <QString>

class QPrinter;
class QWidget;

namespace ortelana {

// Asks for a printer over `parent` and prints the sheet of the request, laid out like
// the exported PDF.  A failure is shown in a message box.
// Returns: true when a page was printed.
bool printSheet(QWidget *parent, const SheetRequest &request);

// Prints onto an already chosen printer.  Printing to a file goes through
// writeFileSafely, like an export.  Returns: true when printed; otherwise false, with
// one line saying why in `error` when given.
bool printSheet(const SheetRequest &request, QPrinter &printer, QString *error = nullptr);

} // namespace ortelana
