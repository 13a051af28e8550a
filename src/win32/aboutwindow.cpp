// About window: layout, stripes and the link.
#include "win32/aboutwindow.h"

#include "calendar/contrast.h"
#include "cli/version.h"
#include "info/aboutinfo.h"   // the texts of the About window, shared with the Linux program
#include "win32/gdicanvas.h"
#include "win32/images.h"
#include "win32/links.h"
#include "win32/picturewindow.h"
#include "win32/resource.h"
#include "win32/text.h"
#include "win32/windowbase.h"

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
    AboutWindow self;
    showModal(owner, ClassName, L"О программе", self.scale.px(356), self.scale.px(209), &self);
}

void AboutWindow::createControls()
{
    const auto control = [this](const wchar_t *kind, const std::wstring &text, DWORD style, int left, int top,
                                int width, int height, int id, HFONT controlFont) {
        const RECT place = scale.at(left, top, width, height);
        const HWND made = CreateWindowExW(0, kind, text.c_str(), WS_CHILD | WS_VISIBLE | style, place.left, place.top,
                                          place.right - place.left, place.bottom - place.top, window,
                                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                                          nullptr);
        SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(controlFont), FALSE);
        return made;
    };
    // OK first: it holds the focus when the window opens.
    control(L"BUTTON", L"OK", WS_TABSTOP | BS_DEFPUSHBUTTON, 256, 164, 89, 33, IDOK, font.get());
    Label1 = control(L"STATIC", widen(about::Slogan), SS_LEFTNOWORDWRAP | SS_NOTIFY | SS_NOPREFIX, 152, 56, 183, 20, IdLink,
                     linkFont.get());
    control(L"STATIC", L"Автор: " + widen(about::Author), SS_LEFTNOWORDWRAP | SS_NOPREFIX, 104, 8, 220, 20, IdLabel, font.get());
    control(L"STATIC", L"E-mail: " + widen(about::Email), SS_LEFTNOWORDWRAP | SS_NOPREFIX, 104, 32, 242, 20, IdLabel,
            font.get());
    control(L"STATIC", L"Сайт:", SS_LEFTNOWORDWRAP, 104, 56, 48, 20, IdLabel, font.get());
    control(L"STATIC", L"Версия: v" + widen(Version), SS_LEFTNOWORDWRAP, 104, 80, 104, 20, IdLabel, font.get());
    control(L"STATIC", L"Дата: 8 февраля 2009 год -", SS_LEFTNOWORDWRAP, 104, 104, 236, 20, IdLabel, font.get());
    control(L"STATIC", L"26 августа 2015 год", SS_LEFTNOWORDWRAP, 156, 128, 170, 20, IdLabel, font.get());
    Picture1 = PictureWindow::create(window, scale.at(8, 160, 80, 45), false, false, RGB(255, 255, 255), font.get(),
                                     L"Флаг России: белая, синяя и красная полосы", scale.dpi);
    emblem = loadPngResource(IDR_EMBLEM, &emblemSize);
}

void AboutWindow::Form_Load()
{
    // Three stripes; the last box reaches row 45, one past the picture, and is clipped.
    GdiCanvas canvas(Picture1->surface(), scale.dpi);
    canvas.fillBox(0, 15, 79, 30, colors::Blue);
    canvas.fillBox(0, 31, 79, 45, colors::Red);
    Picture1->refresh();
}

void AboutWindow::Label1_Click()
{
    const HCURSOR previous = SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_WAIT)));
    SaveFileUrl(widen(about::Site));
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
        StretchBlt(scope.dc(), scale.px(16), scale.px(8), scale.px(emblemSize.cx), scale.px(emblemSize.cy), source.get(),
                   0, 0, emblemSize.cx, emblemSize.cy, SRCCOPY);
    }
    // The separator: a dark line in the menu-text colour over a light one in the
    // window colour, from x = 8 to x = 344.
    const RECT upper = scale.at(8, 152, 337, 1), lower = scale.at(8, 153, 337, 1);
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
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace ortelana::win32
