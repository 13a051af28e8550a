// About window: layout, stripes and the link.
#include "win32/aboutwindow.h"

#include "behaviour/words.h"
#include "calendar/contrast.h"
#include "calendar/scene.h"
#include "win32/gdicanvas.h"
#include "win32/images.h"
#include "win32/links.h"
#include "win32/picturewindow.h"
#include "win32/resource.h"
#include "win32/text.h"
#include "win32/windowbase.h"

#include <utility>

namespace ortelana::win32 {

namespace {
constexpr wchar_t ClassName[] = L"OrtelanaAbout";
constexpr int IdLink = 10, IdLabel = 11;
constexpr COLORREF LinkColour = colors::DarkBlue;
} // namespace

void AboutWindow::show(HWND owner)
{
    static const ATOM registered = registerWindowClass(ClassName, &routeToObject<AboutWindow>, nullptr);
    if (!registered)
        return;
    AboutWindow self(windowScale(owner));
    showModal(owner, ClassName, widen(words::AboutTitle).c_str(), self.scale.px(layout::about::Client.width),
              self.scale.px(layout::about::Client.height), &self, self.scale.dpi);
}

void AboutWindow::createControls()
{
    namespace place = layout::about;
    // OK first: the first tab stop, it holds the focus when the window opens.
    const HWND ok = makeControl(window, L"BUTTON", L"OK", WS_TABSTOP | BS_DEFPUSHBUTTON, scale.at(place::OK), IDOK,
                                font.get());
    Label1 = makeControl(window, L"STATIC", widen(words::Slogan), SS_LEFTNOWORDWRAP | SS_NOTIFY | SS_NOPREFIX,
                         scale.at(place::Link), IdLink, linkFont.get());
    controls = {{ok, place::OK, &font}, {Label1, place::Link, &linkFont}};
    for (const words::AboutLabel &label : words::aboutLabels())
        controls.push_back({makeControl(window, L"STATIC", widen(label.text), SS_LEFTNOWORDWRAP | SS_NOPREFIX,
                                        scale.at(label.place), IdLabel, font.get()),
                            label.place, &font});
    Picture1 = PictureWindow::create(window, scale.at(place::Flag), false, false, ROLE_SYSTEM_GRAPHIC, RGB(255, 255, 255),
                                     font.get(), widen(words::FlagName).c_str(), scale.dpi);
    emblem = loadPngResource(IDR_EMBLEM, &emblemSize);
}

void AboutWindow::Form_Load()
{
    GdiCanvas canvas(Picture1->surface(), scale.dpi);
    draw(flagStripes(), canvas);
    Picture1->refresh();
}

void AboutWindow::rescale(const Scale &next)
{
    scale = next;
    const Font oldFont = std::exchange(font, uiFont(FontRole::Label, scale.dpi));
    const Font oldLink = std::exchange(linkFont, uiFont(FontRole::Link, scale.dpi));
    placeControls(controls, scale);
    Picture1->rescale(scale.at(layout::about::Flag), font.get(), scale.dpi);
    Form_Load();
    InvalidateRect(window, nullptr, TRUE);
}

void AboutWindow::Label1_Click()
{
    const HCURSOR previous = SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_WAIT)));
    SaveFileUrl(widen(words::Site));
    SetCursor(previous);
}

void AboutWindow::paint()
{
    PaintScope scope(window);
    RECT client{};
    GetClientRect(window, &client);
    FillRect(scope.dc(), &client, grey.get());
    if (emblem) {
        MemoryDc source;
        const Selected in(source.get(), emblem.get());
        SetStretchBltMode(scope.dc(), HALFTONE);
        const RECT place = scale.at(layout::about::Emblem);
        StretchBlt(scope.dc(), place.left, place.top, scale.px(emblemSize.cx), scale.px(emblemSize.cy), source.get(), 0, 0,
                   emblemSize.cx, emblemSize.cy, SRCCOPY);
    }
    // The separator: a dark line in the menu-text colour over a light one in the
    // window colour.
    RECT upper = scale.at(layout::about::Separator), lower = upper;
    upper.bottom = lower.top = scale.px(layout::about::Separator.y + 1);
    FillRect(scope.dc(), &upper, GetSysColorBrush(COLOR_MENUTEXT));
    FillRect(scope.dc(), &lower, GetSysColorBrush(COLOR_WINDOW));
}

LRESULT AboutWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        createControls();
        Form_Load();
        return 0;
    case WM_PAINT:
        paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_CTLCOLORSTATIC: {
        const HDC dc = reinterpret_cast<HDC>(wParam);
        SetBkColor(dc, colors::LightGrey);
        // The grey stays whatever the theme; its texts stay readable on it.
        SetTextColor(dc, reinterpret_cast<HWND>(lParam) == Label1 ? LinkColour
                                                                  : readableText(GetSysColor(COLOR_WINDOWTEXT), colors::LightGrey));
        return reinterpret_cast<LRESULT>(grey.get());
    }
    case WM_SETCURSOR:
        // The link shows the hand, with its fingertip as the hot spot.
        if (reinterpret_cast<HWND>(wParam) == Label1) {
            SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND)));
            return TRUE;
        }
        break;
    case WM_COMMAND:
        if (LOWORD(wParam) == IdLink && HIWORD(wParam) == STN_CLICKED)
            Label1_Click();
        else if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
            endModal(window);
        return 0;
    case WM_CLOSE:
        endModal(window);
        return 0;
    case WM_DPICHANGED:
        rescale(Scale{HIWORD(wParam)});
        takeSuggestedRect(window, lParam);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace ortelana::win32
