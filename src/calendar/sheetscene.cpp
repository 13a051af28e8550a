// The year sheet as a scene.
#include "calendar/scene.h"

#include "calendar/sheetgeometry.h"
#include "calendar/weeknumbers.h"
#include "calendar/yeartables.h"

namespace ortelana {

namespace {
std::string abbreviation(int weekday)   // 1 (Monday) ... 7 (Sunday)
{
    return std::string(WeekdayAbbreviations.substr(std::size_t(4 * (weekday - 1)), 4));   // two Cyrillic letters
}
} // namespace

std::vector<SceneItem> sheetFixedLayer()
{
    std::vector<SceneItem> items;
    items.reserve(7 * 12 + 12);
    for (int row = 1; row <= 7; ++row) {
        const Colour colour = row == 7 ? colors::Red : colors::DarkBlue;
        const std::string text = abbreviation(row);
        for (const MonthCellCorner &cell : MonthCell)
            items.push_back(TextItem{cell.X + sheet::LabelLeft, sheet::dayY(cell.Y, row), 0, colour, text});
    }
    for (std::size_t i = 0; i < MonthCell.size(); ++i)
        items.push_back(TextItem{MonthCell[i].X + sheet::DaysLeft, MonthCell[i].Y, sheet::NameSpan, colors::Purple,
                                 std::string(MonthName[i])});
    return items;
}

Scene sheetScene(const YearModel &model, bool oldStyleChecked)
{
    Scene scene;
    scene.year = model.year;
    scene.fixedLayer = sheetFixedLayer();
    scene.dayLayer.reserve(12 + 366);
    scene.cells.reserve(366);

    const std::array<MonthLayout, 12> months = model.months(oldStyleChecked);
    for (int k = 0; k < 12; ++k) {
        const MonthCellCorner corner = MonthCell[std::size_t(k)];
        const MonthLayout &layout = months[std::size_t(k)];
        const int firstWeek = firstWeekNumber(months, k);
        // Erasing the day area leaves the month name and the abbreviations alone.
        scene.dayLayer.emplace_back(std::in_place_type<BoxItem>, corner.X + sheet::DaysLeft, corner.Y + sheet::EraseTop,
                                    corner.X + sheet::DaysRight, corner.Y + sheet::DaysBottom, BackColour);
        for (int i = 0; i < layout.days; ++i) {
            const DaySlot &slot = layout.places[std::size_t(i)];
            const int x = sheet::dayX(corner.X, slot.column);
            const int y = sheet::dayY(corner.Y, slot.row);
            scene.dayLayer.push_back(
                TextItem{x, y, 0, slot.red ? colors::Red : colors::DayNumber, writtenNumber(slot.day)});
            scene.cells.push_back(SceneCell{sheetDayKey(k, slot.day), slot.row - 1,
                                            k * sheet::WeekColumns + slot.column - 1, x, y, sheet::ColumnWidth,
                                            sheet::RowHeight, k + 1, slot.day, slot.row,
                                            firstWeek + slot.column - 1,
                                            slot.day == 9 && isRedNinth(model.victoryDay, k + 1)});
        }
    }

    for (int row = 1; row <= 7; ++row)
        scene.rowHeaders.push_back(weekdayName(row));
    for (int k = 0; k < 12 * sheet::WeekColumns; ++k)
        scene.columnHeaders.emplace_back(MonthName[std::size_t(k / sheet::WeekColumns)]);
    return scene;
}

} // namespace ortelana
