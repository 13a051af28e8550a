// Keeping fixed-size windows normal.  On Wayland a maximised window must take the size
// the compositor configures, which a fixed size cannot, and the compositor ends the
// connection over it.  Qt sends a state request only when it differs from the state
// the compositor last configured, so asking Qt for the normal state again sends
// nothing; the window asks the compositor itself, in the same breath as Qt's request,
// and the compositor never configures the maximised state.
#include "platform/fixedsize.h"

#include "platform/ending.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#ifdef ORTELANA_HAVE_QPA_NATIVE
#include <qpa/qplatformnativeinterface.h>

#include <cstdint>
#include <dlfcn.h>
#endif

namespace ortelana {

namespace {

constexpr Qt::WindowStates Enlarged = Qt::WindowMaximized | Qt::WindowFullScreen;

// Sends xdg_toplevel's unset_maximized and unset_fullscreen for the states in `states`
// through libwayland, which Qt's Wayland plug-in has loaded.
void leaveOnWayland(QWindow *handle, Qt::WindowStates states)
{
#ifdef ORTELANA_HAVE_QPA_NATIVE
    if (!onWayland())
        return;
    QPlatformNativeInterface *native = QGuiApplication::platformNativeInterface();
    void *toplevel = native ? native->nativeResourceForWindow("xdg_toplevel", handle) : nullptr;
    if (!toplevel)
        return;
    void *client = ::dlopen("libwayland-client.so.0", RTLD_NOW | RTLD_LOCAL | RTLD_NOLOAD);
    if (!client)
        return;
    // The request numbers of the stable xdg-shell protocol's xdg_toplevel.
    constexpr std::uint32_t UnsetMaximized = 10;
    constexpr std::uint32_t UnsetFullscreen = 12;
    using Marshal = void (*)(void *, std::uint32_t, ...);
    if (const auto marshal = reinterpret_cast<Marshal>(::dlsym(client, "wl_proxy_marshal"))) {
        if (states & Qt::WindowMaximized)
            marshal(toplevel, UnsetMaximized);
        if (states & Qt::WindowFullScreen)
            marshal(toplevel, UnsetFullscreen);
    }
    ::dlclose(client);
#else
    Q_UNUSED(handle);
    Q_UNUSED(states);
#endif
}

// Watches for the window's first showing, when its QWindow exists.
class NormalStateKeeper : public QObject
{
public:
    explicit NormalStateKeeper(QWidget &window) : QObject(&window) { window.installEventFilter(this); }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = static_cast<QWidget *>(watched);
        if (event->type() == QEvent::Show && window->windowHandle()) {
            QWindow *handle = window->windowHandle();
            connect(handle, &QWindow::windowStateChanged, handle, [handle] {
                const Qt::WindowStates states = handle->windowStates();
                if (states & Enlarged) {
                    leaveOnWayland(handle, states & Enlarged);
                    handle->setWindowStates(states & ~Enlarged);
                }
            });
            window->removeEventFilter(this);
        }
        return false;
    }
};

} // namespace

void keepNormalState(QWidget &window)
{
    new NormalStateKeeper(window);
}

} // namespace ortelana
