// The week numbers window's picture as a scene.
#include "calendar/scene.h"

#include "calendar/sheetgeometry.h"
#include "calendar/weeknumbers.h"
#include "calendar/yeartables.h"

namespace ortelana {

namespace {
constexpr int WeekRow = 7;   // the table row under Sunday
} // namespace

std::vector<SceneItem> weeksFixedLayer()
{
    std::vector<SceneItem> items;
    for (int i = 0; i < 7; ++i)
        items.push_back(TextItem{0, weeksgrid::RowHeight * i, 0, i == 6 ? colors::Red : colors::DarkBlue,
                                 std::string(WeekdayAbbreviations.substr(std::size_t(4 * i), 4))});
    return items;
}

Scene weeksScene(const YearModel &model, bool oldStyleChecked, int month0)
{
    using namespace weeksgrid;
    Scene scene;
    scene.year = model.year;
    scene.fixedLayer = weeksFixedLayer();

    const std::array<MonthLayout, 12> months = model.months(oldStyleChecked);
    const MonthLayout &layout = months[std::size_t(month0)];
    const int firstWeek = firstWeekNumber(months, month0);
    scene.dayLayer.emplace_back(std::in_place_type<BoxItem>, ClearLeft, 0, ClearRight, ClearBottom, BackColour);
    for (int i = 0; i < layout.days; ++i) {
        const DaySlot &slot = layout.places[std::size_t(i)];
        const int x = ColumnWidth * slot.column;
        const int y = RowHeight * (slot.row - 1);
        scene.dayLayer.push_back(TextItem{x, y, 0, slot.red ? colors::Red : colors::DayNumber, writtenNumber(slot.day)});
        scene.cells.push_back(SceneCell{slot.day, slot.row - 1, slot.column - 1, x, y, ColumnWidth, RowHeight,
                                        month0 + 1, slot.day, slot.row, firstWeek + slot.column - 1,
                                        slot.day == 9 && isRedNinth(model.victoryDay, month0 + 1), true});
    }
    for (int c = 1; c <= layout.columns; ++c) {
        const int x = ColumnWidth * c;
        scene.dayLayer.push_back(TextItem{x, WeekNumberY, 0, colors::WeekNumber, writtenNumber(firstWeek + c - 1)});
        scene.cells.push_back(SceneCell{WeekKeyBase + c, WeekRow, c - 1, x, WeekNumberY, ColumnWidth, RowHeight,
                                        month0 + 1, 0, 0, firstWeek + c - 1, false});
        scene.columnHeaders.emplace_back(MonthName[std::size_t(month0)]);
    }
    for (int row = 1; row <= 7; ++row)
        scene.rowHeaders.push_back(weekdayName(row));
    scene.rowHeaders.emplace_back("номер недели");
    return scene;
}

} // namespace ortelana
