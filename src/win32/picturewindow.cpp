// The picture window's class, painting and day cursor.
#include "win32/picturewindow.h"

#include "win32/windowbase.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace ortelana::win32 {

namespace {
constexpr wchar_t ClassName[] = L"OrtelanaPicture";
constexpr UINT AnnounceFocus = WM_APP + 1;
} // namespace

PictureWindow *PictureWindow::create(HWND parent, const RECT &outer, bool sunken, bool focusable, long role,
                                     COLORREF background, HFONT font, const wchar_t *name, int dpi)
{
    static const ATOM registered = registerWindowClass(ClassName, &PictureWindow::procedure, nullptr);
    (void)registered;
    auto *self = new PictureWindow;   // owned by the window: deleted on WM_NCDESTROY
    self->source.focusable = focusable;
    self->source.role = role;
    self->source.dpi = dpi;
    const DWORD style = WS_CHILD | WS_VISIBLE | (focusable ? WS_TABSTOP : 0);
    const HWND window = CreateWindowExW(sunken ? WS_EX_CLIENTEDGE : 0, ClassName, name, style, outer.left, outer.top,
                                        outer.right - outer.left, outer.bottom - outer.top, parent, nullptr,
                                        GetModuleHandleW(nullptr), self);
    if (!window)
        return nullptr;   // deleted on WM_NCDESTROY of the failed creation
    RECT inside{};
    GetClientRect(window, &inside);
    self->picture = std::make_unique<Surface>(inside.right, inside.bottom, background, font);
    self->accessible = std::make_unique<DayList>(self->source);
    if (role == ROLE_SYSTEM_LIST)
        self->automation = std::make_unique<DayAutomation>(self->source);
    return self;
}

void PictureWindow::rescale(const RECT &outer, HFONT font, int dpi)
{
    const COLORREF background = picture->background();
    SetWindowPos(source.window, nullptr, outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    RECT inside{};
    GetClientRect(source.window, &inside);
    picture = std::make_unique<Surface>(inside.right, inside.bottom, background, font);
    // The list keeps the density it was made with: made again for the new one.
    source.dpi = dpi;
    accessible = std::make_unique<DayList>(source);
    refresh();
}

LRESULT CALLBACK PictureWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto *self = static_cast<PictureWindow *>(reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams);
        self->source.window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto *self = reinterpret_cast<PictureWindow *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->accessible.reset();   // before the days it reads
        self->automation.reset();
        delete self;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->handle(message, wParam, lParam);
}

LRESULT PictureWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;   // the picture covers every pixel
    case WM_GETDLGCODE:
        return source.focusable && days.days() > 0 ? DLGC_WANTARROWS : 0;
    case WM_SETFOCUS:
        refresh();
        // After the system's own focus event for the picture, which would otherwise be
        // the last one heard.
        PostMessageW(source.window, AnnounceFocus, 0, 0);
        return 0;
    case AnnounceFocus:
        if (accessible)
            accessible->announceFocus();
        if (automation)
            automation->announceFocus();
        return 0;
    case WM_KILLFOCUS:
        refresh();
        return 0;
    case WM_GETOBJECT:
        if (const LRESULT answer = accessible ? accessible->answer(wParam, lParam) : 0)
            return answer;
        if (const LRESULT answer = automation ? automation->answer(wParam, lParam) : 0)
            return answer;
        break;
    case WM_LBUTTONDOWN:
        if (source.focusable)
            SetFocus(source.window);
        return 0;
    case WM_KEYDOWN:
        if (source.focusable && moveCursor(wParam))
            return 0;
        break;
    default:
        break;
    }
    return DefWindowProcW(source.window, message, wParam, lParam);
}

void PictureWindow::paint()
{
    PaintScope scope(source.window);
    if (!picture)
        return;
    const RECT &area = scope.area();
    BitBlt(scope.dc(), area.left, area.top, area.right - area.left, area.bottom - area.top, picture->dc(),
           area.left, area.top, SRCCOPY);
    // Round the cursor's day, or round the whole of a picture without days.
    RECT frame{};
    if (source.focusedDay() >= 0)
        frame = source.daySlot(source.focusedDay());
    else if (days.days() == 0 && GetFocus() == source.window)
        GetClientRect(source.window, &frame);
    if (!IsRectEmpty(&frame))
        DrawFocusRect(scope.dc(), &frame);
}

void PictureWindow::setNews(const std::string &text)
{
    days.setNews(text);
    // Said as a new focus: a screen reader speaks the day, then the news.
    if (accessible)
        accessible->announceFocus();
    if (automation)
        automation->announceNews(text);
}

void PictureWindow::show(const Scene &scene)
{
    days.show(scene);
    if (automation)
        automation->refresh();
    refresh();
}

bool PictureWindow::moveCursor(WPARAM key)
{
    static constexpr std::pair<WPARAM, CursorKey> Keys[] = {
        {VK_UP, CursorKey::Up}, {VK_DOWN, CursorKey::Down}, {VK_LEFT, CursorKey::Left},
        {VK_RIGHT, CursorKey::Right}, {VK_HOME, CursorKey::Home}, {VK_END, CursorKey::End},
    };
    const auto found = std::find_if(std::begin(Keys), std::end(Keys), [key](const auto &pair) { return pair.first == key; });
    const int before = days.cursor();
    if (found == std::end(Keys) || !days.move(found->second, GetKeyState(VK_CONTROL) < 0))
        return false;
    if (days.cursor() != before) {
        refresh();
        accessible->announceFocus();
        if (automation)
            automation->announceFocus();
    }
    return true;
}

} // namespace ortelana::win32
