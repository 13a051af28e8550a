// Window placement.
#include "ui/windowplace.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace ortelana {

void centreOnScreen(QWidget &window)
{
    const QWidget *owner = window.parentWidget() ? window.parentWidget() : &window;
    const QScreen *screen = owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    window.move(screen->availableGeometry().center() - window.rect().center());
}

} // namespace ortelana
