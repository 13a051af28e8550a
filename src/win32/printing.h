// Ctrl+P: the sheet shown, printed on the printer chosen in the system's print dialog,
// one landscape page, the job titled as the Linux program titles it.
#pragma once

#include "calendar/sheetrequest.h"

#include <windows.h>

namespace ortelana::win32 {

enum class Printed { Done, Cancelled, Failed };

// Prints the request's page as one job on `printer`, a printer's device context.  A
// job the user calls off at its start (a printer into a file asks for the file's name
// then) is Cancelled; a failed one is aborted.  Returns: what came of it.
Printed printOn(HDC printer, const SheetRequest &request);

// Asks for a printer over `owner` and prints on it.  Cancelling prints nothing; a
// failure is said in the message box «Ошибка», never passed over.  Returns: what came
// of it.
Printed printSheet(HWND owner, const SheetRequest &request);

} // namespace ortelana::win32
