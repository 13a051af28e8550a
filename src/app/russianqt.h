// Qt's own texts (context menus, dialog buttons, the print dialog) in Russian, like
// every other word of the program, whatever the locale.
#pragma once

namespace ortelana {

// Installs Qt's Russian translation (qtbase_ru.qm from Qt's translations folder) into
// the running application.  Returns: false when the file is missing; Qt then keeps
// its own English texts.
bool installRussianQtTexts();

} // namespace ortelana
