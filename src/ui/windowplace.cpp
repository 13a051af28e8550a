// Window placement.  Before a window is first shown its frame is not known: it is
// centred by its own size then, and once a window manager has framed it, centred
// again by the frame, a move of a few pixels at most.
#include "ui/windowplace.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>

namespace ortelana {

namespace {

void centreFrame(QWidget &window, const QPoint &centre)
{
    // A window's position is that of its frame's top left corner.
    window.move(centre - QRect(QPoint(), window.frameGeometry().size()).center());
}

// Waits for the frame of a window manager, if one comes, and centres it once.
class FrameCentring : public QObject
{
public:
    FrameCentring(QWidget &window, const QPoint &centre) : QObject(&window), centre(centre)
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = static_cast<QWidget *>(watched);
        if ((event->type() == QEvent::Move || event->type() == QEvent::Resize)
            && window->frameGeometry().size() != window->size()) {
            window->removeEventFilter(this);
            centreFrame(*window, centre);
            deleteLater();
        }
        return false;
    }

private:
    QPoint centre;
};

} // namespace

void centreOnScreen(QWidget &window)
{
    // A Wayland compositor places windows itself and ignores a position asked for.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    const QWidget *owner = window.parentWidget() ? window.parentWidget() : &window;
    const QScreen *screen = owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // A layout that fixes the window's size sets it only when it is activated.
    if (QLayout *layout = window.layout())
        layout->activate();
    const QPoint centre = screen->availableGeometry().center();
    centreFrame(window, centre);
    if (!window.isVisible())
        new FrameCentring(window, centre);
}

} // namespace ortelana
