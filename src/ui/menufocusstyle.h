// The menu bar's keyboard focus made visible: after Alt (or while the keyboard walks
// the bar) the item that has the focus is drawn as it is when its menu is open.
// Styles such as Fusion highlight a bar item only while its menu is open, so a
// keyboard user otherwise cannot see that Alt did anything.
#pragma once

class QMenuBar;

namespace ortelana {

// Gives `bar` the style above, over the application's style.
void showMenuBarFocus(QMenuBar *bar);

} // namespace ortelana
