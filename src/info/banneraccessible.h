// The title banner for assistive technologies: one label whose name and text are the
// banner's accessible name.  The page inside it is a picture; its rich-text viewer
// would read the title with the frame marks of its table around it.
#pragma once

class QWidget;

namespace ortelana {

// Presents `banner` as a label reading its accessible name, without children.
void presentAsBanner(QWidget *banner);

} // namespace ortelana
