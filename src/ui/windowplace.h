// Placing windows: every window of the program opens in the middle of its screen.
#pragma once

class QWidget;

namespace ortelana {

// Moves the window so that its frame stands centred on the screen it belongs to (its
// parent's screen for a dialog, the primary screen otherwise), by the size it will
// have when shown, and once more when a window manager has given it a frame; a window
// larger than the screen keeps its top-left corner on it.  On Wayland it does nothing:
// the compositor places windows.
void centreOnScreen(QWidget &window);

} // namespace ortelana
