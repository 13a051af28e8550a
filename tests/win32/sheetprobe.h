// Finding the program's pictures in a picture of the screen and checking them slot for
// slot against the scene, for the drivers of the Windows program under Wine (and of
// the Linux program beside it).  The sheet is found by its weekday labels, the week
// numbers window by its week numbers: colours nothing else on the screen has.  A day's
// slot must hold ink of the day's colour and none of the others; the slots of no day
// hold none.
#pragma once

#include "calendar/scene.h"
#include "calendar/sheetgeometry.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QScreen>

#include <optional>
#include <set>
#include <vector>

namespace sheetprobe {

using namespace ortelana;

// Colours as the screen shows them (0xRRGGBB) for the scene's 0x00BBGGRR.
inline QRgb screenColour(Colour colour)
{
    return qRgb(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

inline QImage screenshot()
{
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
}

// Returns: the bounding box of the pixels of exactly `colour` inside `area`.
inline QRect inkBox(const QImage &image, QRgb colour, const QRect &area)
{
    QRect box;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = inside.left(); x <= inside.right(); ++x)
            if ((line[x] & 0xFFFFFF) == (colour & 0xFFFFFF))
                box |= QRect(x, y, 1, 1);
    }
    return box;
}

inline bool hasInk(const QImage &image, QRgb colour, const QRect &area) { return !inkBox(image, colour, area).isEmpty(); }

struct Slot
{
    QRect area;          // in the picture's drawing area
    QRgb want;           // the colour its ink must have; 0 for an empty slot
};

// Returns: how many places of `places`, placed at `origin`, break the rule: a slot with
// a colour holds ink of it and of none of `inks` besides; an empty slot holds none.
inline int badSlots(const QImage &image, const QPoint &origin, const std::vector<Slot> &places, const std::vector<QRgb> &inks,
             const QRect &clip, int stopAfter)
{
    int bad = 0;
    for (const Slot &slot : places) {
        const QRect area = slot.area.translated(origin).intersected(clip.translated(origin));
        bool ok = slot.want == 0 || hasInk(image, slot.want, area);
        for (const QRgb ink : inks)
            if (ok && ink != slot.want)
                ok = !hasInk(image, ink, area);
        if (!ok && ++bad >= stopAfter)
            break;
    }
    return bad;
}

// Returns: the origin near `guess` (within the given reach) at which every slot holds.
inline std::optional<QPoint> placeSlots(const QImage &image, const QPoint &guess, const QRect &reach,
                                 const std::vector<Slot> &places, const std::vector<QRgb> &inks, const QRect &clip)
{
    for (int dy = reach.top(); dy <= reach.bottom(); ++dy)
        for (int dx = reach.left(); dx <= reach.right(); ++dx)
            if (badSlots(image, guess + QPoint(dx, dy), places, inks, clip, 1) == 0)
                return guess + QPoint(dx, dy);
    return std::nullopt;
}

// The year sheet's places: every day as the scene places it, and every place of the
// month grids that holds no day.
inline std::vector<Slot> sheetSlots(long long year, bool oldStyle)
{
    const Scene scene = sheetScene(computeYear(year), oldStyle);
    std::vector<Slot> places;
    std::set<std::pair<int, int>> taken;
    for (const SceneCell &cell : scene.cells) {
        const bool red = cell.weekday == 7 || cell.victoryDay;
        places.push_back({QRect(cell.x, cell.y, cell.width, cell.height), screenColour(red ? colors::Red : colors::DayNumber)});
        taken.insert({cell.x, cell.y});
    }
    for (const auto &corner : MonthCell)
        for (int column = 1; column <= 6; ++column)
            for (int row = 1; row <= 7; ++row) {
                const int x = sheet::dayX(corner.X, column), y = sheet::dayY(corner.Y, row);
                if (!taken.count({x, y}))
                    places.push_back({QRect(x, y, sheet::ColumnWidth, sheet::RowHeight), 0});
            }
    return places;
}

inline std::vector<Slot> weeksSlots(long long year, int month0)
{
    const Scene scene = weeksScene(computeYear(year), true, month0);
    std::vector<Slot> places;
    for (const SceneCell &cell : scene.cells) {
        const Colour colour = cell.day == 0 ? colors::WeekNumber
                              : (cell.weekday == 7 || cell.victoryDay) ? colors::Red : colors::DayNumber;
        places.push_back({QRect(cell.x, cell.y, cell.width, cell.height), screenColour(colour)});
    }
    return places;
}

inline const std::vector<QRgb> DayInks{screenColour(colors::Red), screenColour(colors::DayNumber)};
inline const std::vector<QRgb> WeekInks{screenColour(colors::Red), screenColour(colors::DayNumber),
                                 screenColour(colors::WeekNumber)};
inline const QRect SheetArea(0, 0, sheet::DrawingWidth, sheet::DrawingHeight);
inline const QRect WeeksArea(0, 0, 181, 165);

inline std::optional<QPoint> findSheet(const QImage &image, long long year, bool oldStyle)
{
    // The weekday labels stand at x = 4 of each cell, from y = 16: their ink is near.
    const QRect labels = inkBox(image, screenColour(colors::DarkBlue), image.rect());
    if (labels.isEmpty())
        return std::nullopt;
    return placeSlots(image, labels.topLeft() - QPoint(4, 16), QRect(-6, -8, 7, 9), sheetSlots(year, oldStyle), DayInks,
                      SheetArea);
}

inline std::optional<QPoint> findWeeks(const QImage &image, long long year, int month0)
{
    // The week numbers begin one blank right of x = 26, at y = 140.
    const QRect numbers = inkBox(image, screenColour(colors::WeekNumber), image.rect());
    if (numbers.isEmpty())
        return std::nullopt;
    return placeSlots(image, numbers.topLeft() - QPoint(26, 140), QRect(-10, -6, 11, 7), weeksSlots(year, month0),
                      WeekInks, WeeksArea);
}

} // namespace sheetprobe
