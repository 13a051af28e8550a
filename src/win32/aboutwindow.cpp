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

#include <algorithm>
#include <string_view>
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
                         linkPlace(), IdLink, linkFont.get());
    controls = {{ok, place::OK, &font}};
    for (const words::AboutLabel &label : words::aboutLabels())
        controls.push_back({makeControl(window, L"STATIC", widen(label.text), SS_LEFTNOWORDWRAP | SS_NOPREFIX,
                                        scale.at(label.place), IdLabel, font.get()),
                            label.place, &font});
    Picture1 = PictureWindow::create(window, scale.at(place::Flag), false, false, ROLE_SYSTEM_GRAPHIC, RGB(255, 255, 255),
                                     font.get(), widen(words::FlagName).c_str(), scale.dpi);
    emblem = loadPngResource(IDR_EMBLEM, &emblemSize);
}

namespace {
// Returns: the first and one past the last column `text` inks in black on white when
// drawn at x = 0 in `font`.
std::pair<int, int> inkColumns(HFONT font, std::string_view text)
{
    const std::wstring wide = widen(text);
    Surface picture(400, 80, RGB(255, 255, 255), font);
    TextOutW(picture.dc(), 0, 0, wide.c_str(), int(wide.size()));
    GdiFlush();
    int first = picture.width(), last = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            // Smoothed edges count from the darker half, as the eye sees the gap.
            if (const std::uint32_t pixel = picture.pixels()[y * picture.width() + x];
                (pixel & 0xFF) + (pixel >> 8 & 0xFF) + (pixel >> 16 & 0xFF) < 3 * 160) {
                first = std::min(first, x);
                last = std::max(last, x + 1);
            }
    return {first, last};
}
} // namespace

// The link begins where «Сайт:» ends, as far from its ink as at 96 dpi in MS Sans Serif:
// a scalable face at another density draws the word a little narrower or wider than
// the bitmap scaled, and the gap is what the eye sees.
RECT AboutWindow::linkPlace() const
{
    const words::AboutLabel site = words::aboutLabels()[2];
    const Font at96 = uiFont(FontRole::Label, 96), linkAt96 = uiFont(FontRole::Link, 96);
    const int gap = layout::about::Link.x + inkColumns(linkAt96.get(), words::Slogan).first
                    - (site.place.x + inkColumns(at96.get(), site.text).second);
    RECT place = scale.at(layout::about::Link);
    const int left = scale.px(site.place.x) + inkColumns(font.get(), site.text).second + scale.px(gap)
                     - inkColumns(linkFont.get(), words::Slogan).first;
    place.right += left - place.left;
    place.left = left;
    return place;
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
    const RECT link = linkPlace();
    SetWindowPos(Label1, nullptr, link.left, link.top, link.right - link.left, link.bottom - link.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(Label1, WM_SETFONT, reinterpret_cast<WPARAM>(linkFont.get()), TRUE);
    Picture1->rescale(scale.at(layout::about::Flag), font.get(), scale.dpi);
    Form_Load();
    InvalidateRect(window, nullptr, TRUE);
}

void AboutWindow::Label1_Click()
{
    const HCURSOR previous = SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_WAIT)));
    // As on Linux, a page that cannot be written opens nothing and says nothing: the
    // link asks for no answer, and the window stays as it was.
    SaveFileUrl(widen(words::Site), shellOpen);
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
