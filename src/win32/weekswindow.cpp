// The week numbers window: controls, the load, and the drawing of the chosen month.
#include "win32/weekswindow.h"

#include "behaviour/words.h"
#include "calendar/contrast.h"
#include "calendar/yeartables.h"
#include "win32/picturewindow.h"
#include "win32/text.h"
#include "win32/windowbase.h"

#include <utility>

namespace ortelana::win32 {

namespace {
constexpr wchar_t ClassName[] = L"OrtelanaWeeks";
constexpr int IdList = 10, IdLabel = 11;
} // namespace

void WeeksWindow::show(HWND owner, MainWindowState &main)
{
    if (main.model().year == 0)
        return;   // nothing drawn yet
    static const ATOM registered = registerWindowClass(ClassName, &routeToObject<WeeksWindow>,
                                                       reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    if (!registered)
        return;
    WeeksWindow self(main, windowScale(owner));
    showModal(owner, ClassName, widen(words::WeeksTitle).c_str(), self.scale.px(layout::weeks::Client.width),
              self.scale.px(layout::weeks::Client.height), &self, self.scale.dpi);
}

void WeeksWindow::createControls()
{
    namespace place = layout::weeks;
    List1 = makeControl(window, L"LISTBOX", L"", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                        scale.at(place::List), IdList, font.get(), WS_EX_CLIENTEDGE);
    for (const std::string_view name : MonthName)
        SendMessageW(List1, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(name).c_str()));
    setAccessibleName(List1, widen(words::MonthListName).c_str());
    Label1 = makeControl(window, L"STATIC", L"Label1", SS_CENTER | SS_NOPREFIX, scale.at(place::Month), IdLabel, font.get());
    Picture1 = PictureWindow::create(window, scale.at(place::Picture), true, false, ROLE_SYSTEM_LIST,
                                     inkSurface(GetSysColor(COLOR_BTNFACE)), font.get(),
                                     widen(words::WeeksTitle).c_str(), scale.dpi);
    const HWND ok = makeControl(window, L"BUTTON", L"OK", WS_TABSTOP | BS_DEFPUSHBUTTON, scale.at(place::OK), IDOK,
                                font.get());
    controls = {{List1, place::List, &font}, {Label1, place::Month, &font}, {ok, place::OK, &font}};
}

void WeeksWindow::rescale(const Scale &next)
{
    scale = next;
    const Font old = std::exchange(font, uiFont(FontRole::Label, scale.dpi));
    placeControls(controls, scale);
    Picture1->rescale(scale.at(layout::weeks::Picture), font.get(), scale.dpi);
    GdiCanvas canvas(Picture1->surface(), scale.dpi);
    draw(weeksFixedLayer(), canvas);
    drawMonth();
}

// Draws the weekday labels once, then selects the remembered month, which draws it.
void WeeksWindow::Form_Load()
{
    GdiCanvas canvas(Picture1->surface(), scale.dpi);
    draw(weeksFixedLayer(), canvas);
    SendMessageW(List1, LB_SETCURSEL, WPARAM(main.chosenMonth), 0);
    List1_Click();   // a choice made by the program is handled as one by the user
}

void WeeksWindow::List1_Click()
{
    const LRESULT month = SendMessageW(List1, LB_GETCURSEL, 0, 0);
    if (month < 0 || month > 11)
        return;
    main.chosenMonth = int(month);
    SetWindowTextW(Label1, widen(MonthName[std::size_t(month)]).c_str());
    SetWindowTextW(Picture1->handle(), widen(words::weeksPictureName(main.chosenMonth)).c_str());
    drawMonth();
}

void WeeksWindow::drawMonth()
{
    const Scene scene = main.weeks();
    GdiCanvas canvas(Picture1->surface(), scale.dpi);
    draw(scene.dayLayer, canvas);
    Picture1->show(scene);
}

LRESULT WeeksWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        createControls();
        Form_Load();
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == IdList && HIWORD(wParam) == LBN_SELCHANGE)
            List1_Click();
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
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace ortelana::win32
