// Keeping fixed-size windows normal.  On Wayland a maximised or full-screen window must
// take the size the compositor configures, which a fixed size cannot, and the
// compositor ends the connection over it.  Qt's decoration and Qt's own bookkeeping
// ask for those states in ways that change between Qt versions, so the requests are
// stopped below Qt: libwayland marshals every request of the process through
// wl_proxy_marshal_array_flags, which its variadic marshalling functions call through
// the dynamic linker.  The program defines that function itself (exported from the
// executable, whose definitions come first in the lookup), drops xdg_toplevel's
// set_maximized and set_fullscreen, and hands everything else to libwayland's own.
// Qt then believes it asked; the window's state is set back to normal at once, which
// Qt sends nowhere, as the compositor never left that state.  Should the compositor
// maximise the window itself, that is the same correction, and Qt sends the request
// to leave the state.  docs/debian.md says why this holds on every Qt we build with.
#include "platform/fixedsize.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>

namespace {

// libwayland's own functions, looked up in the library itself: it is loaded by Qt's
// Wayland plug-in, so only once something calls in here.
struct Libwayland
{
    using Marshal = void *(*)(void *, std::uint32_t, const void *, std::uint32_t, std::uint32_t, void *);
    using ClassOf = const char *(*)(void *);
    Marshal marshal = nullptr;
    ClassOf classOf = nullptr;

    Libwayland()
    {
        // The handle stays open: the process keeps the library for its whole life.
        if (void *library = ::dlopen("libwayland-client.so.0", RTLD_LAZY | RTLD_NOLOAD)) {
            marshal = reinterpret_cast<Marshal>(::dlsym(library, "wl_proxy_marshal_array_flags"));
            classOf = reinterpret_cast<ClassOf>(::dlsym(library, "wl_proxy_get_class"));
        }
        if (!marshal || !classOf) {
            // Nothing could be sent any more; better a clear end than a silent one.
            std::fputs("ortelana: libwayland-client.so.0 is not loaded\n", stderr);
            std::abort();
        }
    }
};

const Libwayland &libwayland()
{
    static const Libwayland functions;
    return functions;
}

// Whether the request is one that would enlarge a window: the request numbers of the
// stable xdg-shell protocol's xdg_toplevel.
bool enlarges(void *proxy, std::uint32_t opcode)
{
    constexpr std::uint32_t SetMaximized = 9;
    constexpr std::uint32_t SetFullscreen = 11;
    if (opcode != SetMaximized && opcode != SetFullscreen)
        return false;
    const char *name = libwayland().classOf(proxy);
    return name && std::strcmp(name, "xdg_toplevel") == 0;
}

} // namespace

// Pointer types stand for libwayland's (struct wl_proxy, wl_interface, wl_argument),
// whose headers the program does not need otherwise.
extern "C" __attribute__((visibility("default"))) void *
wl_proxy_marshal_array_flags(void *proxy, std::uint32_t opcode, const void *interface, std::uint32_t version,
                             std::uint32_t flags, void *arguments)
{
    if (enlarges(proxy, opcode))
        return nullptr;   // neither request creates an object, so there is none to return
    return libwayland().marshal(proxy, opcode, interface, version, flags, arguments);
}

namespace ortelana {

namespace {

constexpr Qt::WindowStates Enlarged = Qt::WindowMaximized | Qt::WindowFullScreen;

// Watches the window's first showing and, from then on, its state.
class NormalStateKeeper : public QObject
{
public:
    explicit NormalStateKeeper(QWidget &window) : QObject(&window) { window.installEventFilter(this); }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = qobject_cast<QWidget *>(watched);
        if (event->type() == QEvent::Show && window && window->windowHandle() && !handle) {
            handle = window->windowHandle();
            // Asked for in Qt (its decoration's button), or reported by the platform.
            connect(handle, &QWindow::windowStateChanged, this, &NormalStateKeeper::keep);
        }
        if (event->type() == QEvent::Show || event->type() == QEvent::WindowStateChange)
            keep();
        return false;
    }

private:
    void keep()
    {
        if (!handle)
            return;
        const Qt::WindowStates states = handle->windowStates();
        if (states & Enlarged)
            handle->setWindowStates(states & ~Enlarged);
    }

    QWindow *handle = nullptr;
};

} // namespace

void keepNormalState(QWidget &window)
{
    new NormalStateKeeper(window);
}

} // namespace ortelana
