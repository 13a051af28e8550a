// The About window's link for assistive technologies: a link named by its text, with
// the web address as its description, focusable, and a press action that does what
// a click does (the control's own click, no mouse events).
#pragma once

namespace ortelana {

class LinkLabel;

// Presents `link` as the link it is.
void presentAsLink(LinkLabel *link);

} // namespace ortelana
