// The About window's link for assistive technologies: a label the mouse clicks is,
// for a screen reader, a link with the web address as its description and a press
// action that clicks it, so the action does exactly what the click does.
#pragma once

class QLabel;
class QString;

namespace ortelana {

// Presents `label` as the link to `address`.
void presentAsLink(QLabel *label, const QString &address);

} // namespace ortelana
