// A one-line text box as screen readers read it.  Qt 6.4's own interface reports every
// text attribute run as empty (it starts and ends at the asked offset), and Orca, which
// joins the runs to cut the line it speaks, then drops the last character: the year
// box read «200» for 2005.  This interface reports the whole text as one run and
// otherwise reads the box through its public API.
#pragma once

class QLineEdit;

namespace ortelana {

// Gives `box` the interface above.
void useLineEditAccessibility(QLineEdit *box);

} // namespace ortelana
