// Window placement.  Before a window is first shown its frame is not known: it is
// centred by its own size then, and once a window manager has framed it, centred
// again by the frame, a move of a few pixels at most.
#include "ui/windowplace.h"

#include "platform/ending.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace ortelana {

namespace {

void centreFrame(QWidget &window, const QRect &area)
{
    // A window's position is that of its frame's top left corner.  On a screen smaller
    // than the window that corner, and with it the menu, stays on the screen; the rest
    // is cut at the right and the bottom.
    const QPoint centred = area.center() - QRect(QPoint(), window.frameGeometry().size()).center();
    window.move(std::max(centred.x(), area.left()), std::max(centred.y(), area.top()));
}

// Waits for the frame of a window manager, if one comes, and centres it once.
class FrameCentring : public QObject
{
public:
    FrameCentring(QWidget &window, const QRect &area) : QObject(&window), area(area)
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = static_cast<QWidget *>(watched);
        if ((event->type() == QEvent::Move || event->type() == QEvent::Resize)
            && window->frameGeometry().size() != window->size()) {
            window->removeEventFilter(this);
            centreFrame(*window, area);
            deleteLater();
        }
        return false;
    }

private:
    QRect area;
};

} // namespace

void centreOnScreen(QWidget &window)
{
    // A Wayland compositor places windows itself and ignores a position asked for.
    if (onWayland())
        return;
    const QWidget *owner = window.parentWidget() ? window.parentWidget() : &window;
    const QScreen *screen = owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // A layout that fixes the window's size sets it only when it is activated.
    if (QLayout *layout = window.layout())
        layout->activate();
    const QRect area = screen->availableGeometry();
    centreFrame(window, area);
    if (!window.isVisible())
        new FrameCentring(window, area);
}

} // namespace ortelana
