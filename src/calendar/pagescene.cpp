// The pictures beside the sheet and the week numbers: the printed page's title and the
// About window's stripes.
#include "calendar/scene.h"

#include "calendar/sheetgeometry.h"

namespace ortelana {

std::vector<SceneItem> sheetTitle(const YearModel &model)
{
    return {TextItem{0, pagetitle::Top, sheet::DrawingWidth, colors::Black, std::to_string(model.year) + model.caption}};
}

std::vector<SceneItem> flagStripes()
{
    constexpr int Width = 80, Height = 45;   // white, blue from row 15, red from row 31
    return {BoxItem{0, 15, Width - 1, 30, colors::Blue}, BoxItem{0, 31, Width - 1, Height, colors::Red}};
}

} // namespace ortelana
