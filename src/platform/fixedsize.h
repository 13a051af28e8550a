// Fixed-size windows stay at their size: a request to maximise one or make it full
// screen (the maximise button Qt's Wayland decoration always draws, a window
// manager, a compositor) is answered at once with the normal state again.
#pragma once

class QWidget;

namespace ortelana {

// Keeps `window` (a top-level window of fixed size) in its normal state from the
// moment it is first shown.  Minimising works as before.
void keepNormalState(QWidget &window);

} // namespace ortelana
