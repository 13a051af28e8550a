// The day cursor on the year sheet.
#include "ui/daycursor.h"

#include "ui/daygrid.h"
#include "calendar/scene.h"
#include "ui/focusframe.h"

#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

namespace ortelana {

namespace {
constexpr int WeekdayRows = 7;
int monthOf(int key) { return key / KeysPerMonth; }
} // namespace

DayCursor::DayCursor(QWidget *picture, DayGrid &grid)
    : QWidget(picture), grid(grid)
{
    setObjectName(QStringLiteral("DayCursor"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(picture->rect());
    picture->installEventFilter(this);
    connect(&grid, &DayGrid::contentChanged, this, &DayCursor::follow);
}

void DayCursor::follow()
{
    const std::vector<GridCell> &cells = grid.cells();
    if (cells.empty())
        return;
    const int wanted = grid.currentKey() < 0 ? cells.front().key : grid.currentKey();
    // The wanted day, or the last day before it in its month (29 February in a common year).
    int key = cells.front().key;
    for (const GridCell &cell : cells)
        if (cell.key <= wanted && monthOf(cell.key) == monthOf(wanted))
            key = cell.key;
    grid.setCurrentKey(key);
    update();
}

int DayCursor::target(int key, Qt::KeyboardModifiers modifiers) const
{
    const std::vector<GridCell> &cells = grid.cells();
    const int here = grid.indexOfKey(grid.currentKey());
    // Days come first in date order; cells below the weekday rows (week numbers) follow.
    int last = 0;
    while (last + 1 < int(cells.size()) && cells[std::size_t(last + 1)].row < WeekdayRows)
        ++last;
    const bool ctrl = modifiers & Qt::ControlModifier;
    if (here < 0 || here > last || (modifiers & ~(Qt::ControlModifier | Qt::KeypadModifier)))
        return -1;
    int first = here, end = here;   // the month of the cursor's day
    while (first > 0 && monthOf(cells[std::size_t(first - 1)].key) == monthOf(cells[std::size_t(here)].key))
        --first;
    while (end < last && monthOf(cells[std::size_t(end + 1)].key) == monthOf(cells[std::size_t(here)].key))
        ++end;
    // Cells run in date order; a step that would leave the year leaves the cursor.
    const auto step = [&](int by) { return here + by < 0 || here + by > last ? here : here + by; };
    switch (key) {
    case Qt::Key_Up: return ctrl ? -1 : step(-1);
    case Qt::Key_Down: return ctrl ? -1 : step(1);
    case Qt::Key_Left: return ctrl ? -1 : step(-7);
    case Qt::Key_Right: return ctrl ? -1 : step(7);
    case Qt::Key_Home: return ctrl ? 0 : first;
    case Qt::Key_End: return ctrl ? last : end;
    default: return -1;
    }
}

bool DayCursor::eventFilter(QObject *watched, QEvent *event)
{
    QWidget *picture = parentWidget();
    if (watched != picture)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        const int index = target(key->key(), key->modifiers());
        if (index < 0)
            return false;
        grid.setCurrentKey(grid.cells()[std::size_t(index)].key);
        update();
        return true;
    }
    case QEvent::FocusIn:
        update();
        // After the picture's own focus event, which would otherwise have the last word.
        QTimer::singleShot(0, this, [this] { grid.announceFocus(); });
        break;
    case QEvent::FocusOut:
        update();
        break;
    case QEvent::Resize:
        setGeometry(picture->rect());
        break;
    default:
        break;
    }
    return false;
}

void DayCursor::paintEvent(QPaintEvent *)
{
    const int index = grid.indexOfKey(grid.currentKey());
    if (index < 0 || !parentWidget()->hasFocus())
        return;   // nothing shows until the sheet has the keyboard focus
    QPainter painter(this);
    drawFocusFrame(painter, *this, grid.cells()[std::size_t(index)].rect);
}

} // namespace ortelana
