// Window placement.
#include "ui/windowplace.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace ortelana {

void centreOnScreen(QWidget &window)
{
    const QWidget *owner = window.parentWidget() ? window.parentWidget() : &window;
    const QScreen *screen = owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QPoint centred = area.center() - window.rect().center();
    // On a screen smaller than the window the top-left corner, and with it the menu,
    // stays on the screen; the rest is cut at the right and the bottom.
    window.move(std::max(centred.x(), area.left()), std::max(centred.y(), area.top()));
}

} // namespace ortelana
