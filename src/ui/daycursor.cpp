// The day cursor's keys and frame.
#include "ui/daycursor.h"

#include "ui/daygrid.h"
#include "ui/focusframe.h"

#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

#include <optional>

namespace ortelana {

namespace {
std::optional<CursorKey> cursorKey(int key)
{
    switch (key) {
    case Qt::Key_Up: return CursorKey::Up;
    case Qt::Key_Down: return CursorKey::Down;
    case Qt::Key_Left: return CursorKey::Left;
    case Qt::Key_Right: return CursorKey::Right;
    case Qt::Key_Home: return CursorKey::Home;
    case Qt::Key_End: return CursorKey::End;
    default: return std::nullopt;
    }
}
} // namespace

DayCursorView::DayCursorView(QWidget *picture, DayGrid &grid)
    : QWidget(picture), grid(grid)
{
    setObjectName(QStringLiteral("DayCursor"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(picture->rect());
    picture->installEventFilter(this);
    connect(&grid, &DayGrid::contentChanged, this, &DayCursorView::follow);
}

void DayCursorView::follow()
{
    cursor.follow(grid.sceneCells());
    grid.setCurrentKey(cursor.key());
    update();
}

bool DayCursorView::eventFilter(QObject *watched, QEvent *event)
{
    QWidget *picture = parentWidget();
    if (watched != picture)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto *press = static_cast<QKeyEvent *>(event);
        const std::optional<CursorKey> key = cursorKey(press->key());
        // Alt and Meta leave the key to the window.
        if (!key || (press->modifiers() & (Qt::AltModifier | Qt::MetaModifier))
            || !cursor.move(*key, press->modifiers() & Qt::ControlModifier))
            return false;
        grid.setCurrentKey(cursor.key());
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

void DayCursorView::paintEvent(QPaintEvent *)
{
    if (cursor.index() < 0 || !parentWidget()->hasFocus())
        return;   // nothing shows until the picture has the keyboard focus
    QPainter painter(this);
    drawFocusFrame(painter, *this, grid.cells()[std::size_t(cursor.index())].rect);
}

} // namespace ortelana
