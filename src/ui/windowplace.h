// Placing windows: every window of the program opens in the middle of its screen.
#pragma once

class QWidget;

namespace ortelana {

// Moves the window so that its frame stands centred on the screen it belongs to (its
// parent's screen for a dialog, the primary screen otherwise); a window larger than the
// screen keeps its top-left corner on it.
void centreOnScreen(QWidget &window);

} // namespace ortelana
