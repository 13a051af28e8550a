// Keeping fixed-size windows normal.  On Wayland a maximised window must take the size
// the compositor configures, which a fixed size cannot, and the compositor ends the
// connection over it.  A request to maximise and the program's answer to leave that
// state again, sent one after the other, reach the compositor apart now and then (Qt
// flushes its requests from more than one thread), and the compositor then configures
// the maximised state in between.  So on Wayland the requests are never made: Qt's
// side of the window is told it is maximised already (the compositor is told
// nothing), and Qt's decoration, which toggles that state, asks only for the normal
// state, which is sent nowhere.  Should the compositor maximise the window itself,
// the window asks it to leave that state at once.
#include "platform/fixedsize.h"

#include "platform/ending.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#ifdef ORTELANA_HAVE_QPA_NATIVE
#include <qpa/qplatformnativeinterface.h>
#include <qpa/qwindowsysteminterface.h>

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

// Watches the window's showing and hiding and, once it is shown, its state.
class NormalStateKeeper : public QObject
{
public:
    explicit NormalStateKeeper(QWidget &window) : QObject(&window) { window.installEventFilter(this); }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == handle) {
            // The platform's report of a state, the compositor's configuration on Wayland.
            if (event->type() == QEvent::WindowStateChange)
                keep(true);
            return false;
        }
        auto *window = static_cast<QWidget *>(watched);
        if (event->type() == QEvent::Show && window->windowHandle() && !handle) {
            handle = window->windowHandle();
            handle->installEventFilter(this);
            connect(handle, &QWindow::windowStateChanged, this, [this] { keep(false); });
        }
        if (event->type() == QEvent::Show && handle)
            keep(false);
        // A window shown again gets a new surface, asked for in Qt's state of the window:
        // that must be the true one then.
        if (event->type() == QEvent::Hide && handle && quietMaximised())
            report(handle->windowStates() & ~Qt::WindowMaximized);
        return false;
    }

private:
    // Whether Qt's side alone is to be told of a maximised state (see the top).
    bool quietMaximised() const
    {
#ifdef ORTELANA_HAVE_QPA_NATIVE
        return onWayland();
#else
        return false;
#endif
    }

    void report(Qt::WindowStates states)
    {
#ifdef ORTELANA_HAVE_QPA_NATIVE
        reporting = true;
        QWindowSystemInterface::handleWindowStateChanged<QWindowSystemInterface::SynchronousDelivery>(handle, states);
        reporting = false;
#else
        Q_UNUSED(states);
#endif
    }

    // `fromPlatform`: the state was reported by the platform, not asked for in Qt.
    void keep(bool fromPlatform)
    {
        if (reporting || !handle->isVisible())
            return;
        const Qt::WindowStates states = handle->windowStates();
        if (!quietMaximised()) {
            if (states & Enlarged)
                handle->setWindowStates(states & ~Enlarged);
            return;
        }
        if (fromPlatform && (states & Enlarged))
            leaveOnWayland(handle, states & Enlarged);
        if ((states & Enlarged) != Qt::WindowMaximized)
            report((states & ~Enlarged) | Qt::WindowMaximized);
    }

    QWindow *handle = nullptr;
    bool reporting = false;
};

} // namespace

void keepNormalState(QWidget &window)
{
    new NormalStateKeeper(window);
}

} // namespace ortelana
