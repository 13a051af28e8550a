// The picture window's class, painting and day cursor.
#include "win32/picturewindow.h"

#include "win32/text.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace ortelana::win32 {

namespace {
constexpr wchar_t ClassName[] = L"OrtelanaPicture";
constexpr UINT AnnounceFocus = WM_APP + 1;

ATOM registerClass(WNDPROC procedure)
{
    WNDCLASSEXW kind{};
    kind.cbSize = sizeof(kind);
    kind.style = CS_DBLCLKS;
    kind.lpfnWndProc = procedure;
    kind.hInstance = GetModuleHandleW(nullptr);
    kind.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    kind.lpszClassName = ClassName;
    return RegisterClassExW(&kind);
}
} // namespace

PictureWindow *PictureWindow::create(HWND parent, const RECT &outer, bool sunken, bool focusable, long role,
                                     COLORREF background, HFONT font, const wchar_t *name, int dpi)
{
    static const ATOM registered = registerClass(&PictureWindow::procedure);
    (void)registered;
    auto *self = new PictureWindow;   // owned by the window: deleted on WM_NCDESTROY
    self->focusable = focusable;
    self->kind = role;
    self->dpi = dpi;
    const DWORD style = WS_CHILD | WS_VISIBLE | (focusable ? WS_TABSTOP : 0);
    self->window = CreateWindowExW(sunken ? WS_EX_CLIENTEDGE : 0, ClassName, name, style, outer.left, outer.top,
                                   outer.right - outer.left, outer.bottom - outer.top, parent, nullptr,
                                   GetModuleHandleW(nullptr), self);
    if (!self->window)
        return nullptr;   // deleted on WM_NCDESTROY of the failed creation
    RECT inside{};
    GetClientRect(self->window, &inside);
    self->picture = std::make_unique<Surface>(inside.right, inside.bottom, background, font);
    self->accessible = std::make_unique<DayList>(self->window, static_cast<const DaySource &>(*self));
    return self;
}

LRESULT CALLBACK PictureWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto *self = static_cast<PictureWindow *>(reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams);
        self->window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto *self = reinterpret_cast<PictureWindow *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->accessible.reset();   // before the days it reads
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
        return focusable && !days.empty() ? DLGC_WANTARROWS : 0;
    case WM_SETFOCUS:
        refresh();
        // After the system's own focus event for the picture, which would otherwise be
        // the last one heard.
        PostMessageW(window, AnnounceFocus, 0, 0);
        return 0;
    case AnnounceFocus:
        if (accessible)
            accessible->announceFocus();
        return 0;
    case WM_KILLFOCUS:
        refresh();
        return 0;
    case WM_GETOBJECT:
        if (const LRESULT answer = accessible ? accessible->answer(wParam, lParam) : 0)
            return answer;
        break;
    case WM_LBUTTONDOWN:
        if (focusable)
            SetFocus(window);
        return 0;
    case WM_KEYDOWN:
        if (focusable && moveCursor(wParam))
            return 0;
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void PictureWindow::paint()
{
    PaintScope scope(window);
    if (!picture)
        return;
    const RECT &area = scope.area();
    BitBlt(scope.dc(), area.left, area.top, area.right - area.left, area.bottom - area.top, picture->dc(),
           area.left, area.top, SRCCOPY);
    // Round the cursor's day, or round the whole of a picture without days.
    RECT frame{};
    if (focusedDay() >= 0)
        frame = daySlot(focusedDay());
    else if (days.empty() && GetFocus() == window)
        GetClientRect(window, &frame);
    if (!IsRectEmpty(&frame))
        DrawFocusRect(scope.dc(), &frame);
}

std::wstring PictureWindow::dayName(int index) const
{
    return widen(spokenName(year, days[std::size_t(index)]));
}

RECT PictureWindow::daySlot(int index) const
{
    // Scaled as the canvas draws the picture.
    const SceneCell &cell = days[std::size_t(index)];
    return RECT{MulDiv(cell.x, dpi, 96), MulDiv(cell.y, dpi, 96), MulDiv(cell.x + cell.width, dpi, 96),
                MulDiv(cell.y + cell.height, dpi, 96)};
}

void PictureWindow::setNews(std::wstring text)
{
    drawingNews = std::move(text);
    // Said as a new focus: a screen reader speaks the day, then the news.
    if (accessible)
        accessible->announceFocus();
}

void PictureWindow::setCursorCells(const std::vector<SceneCell> &cells, long long drawnYear)
{
    year = drawnYear;
    days.clear();
    std::copy_if(cells.begin(), cells.end(), std::back_inserter(days),
                 [](const SceneCell &cell) { return cell.day > 0; });
    cursor.follow(days);
    refresh();
}

bool PictureWindow::moveCursor(WPARAM key)
{
    static constexpr std::pair<WPARAM, CursorKey> Keys[] = {
        {VK_UP, CursorKey::Up}, {VK_DOWN, CursorKey::Down}, {VK_LEFT, CursorKey::Left},
        {VK_RIGHT, CursorKey::Right}, {VK_HOME, CursorKey::Home}, {VK_END, CursorKey::End},
    };
    const auto found = std::find_if(std::begin(Keys), std::end(Keys), [key](const auto &pair) { return pair.first == key; });
    const int before = cursor.index();
    if (found == std::end(Keys) || !cursor.move(found->second, GetKeyState(VK_CONTROL) < 0))
        return false;
    if (cursor.index() != before) {
        drawingNews.clear();   // the news went with the day it was said on
        refresh();
        accessible->announceFocus();
    }
    return true;
}

} // namespace ortelana::win32
