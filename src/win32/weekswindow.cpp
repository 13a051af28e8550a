// The week numbers window: controls, the load, and the drawing of the chosen month.
#include "win32/weekswindow.h"

#include "calendar/contrast.h"
#include "calendar/scene.h"
#include "calendar/yeartables.h"
#include "win32/picturewindow.h"
#include "win32/text.h"
#include "win32/windowbase.h"

namespace ortelana::win32 {

namespace {
constexpr wchar_t ClassName[] = L"OrtelanaWeeks";
constexpr int IdList = 10, IdLabel = 11;

} // namespace

void WeeksWindow::show(HWND owner, const YearModel &model, bool oldStyleChecked, int &chosenMonth)
{
    if (model.year == 0)
        return;   // nothing drawn yet
    static const ATOM registered = registerWindowClass(ClassName, &routeToObject<WeeksWindow>,
                                                       reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    if (!registered)
        return;
    WeeksWindow self(model, oldStyleChecked, chosenMonth);
    showModal(owner, ClassName, L"Номера недель", self.scale.px(328), self.scale.px(260), &self);
}

void WeeksWindow::createControls()
{
    const auto control = [this](const wchar_t *kind, const wchar_t *text, DWORD style, const RECT &place, int id,
                                DWORD exStyle = 0) {
        const HWND made = CreateWindowExW(exStyle, kind, text, WS_CHILD | WS_VISIBLE | style, place.left, place.top,
                                          place.right - place.left, place.bottom - place.top, window,
                                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                          GetModuleHandleW(nullptr), nullptr);
        SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
        return made;
    };
    List1 = control(L"LISTBOX", L"", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, scale.at(8, 8, 105, 244),
                    IdList, WS_EX_CLIENTEDGE);
    for (const std::string_view name : MonthName)
        SendMessageW(List1, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(name).c_str()));
    setAccessibleName(List1, L"Месяц");
    Label1 = control(L"STATIC", L"Label1", SS_CENTER | SS_NOPREFIX, scale.at(136, 8, 183, 20), IdLabel);
    Picture1 = PictureWindow::create(window, scale.at(128, 32, 185, 169), true, false, inkSurface(GetSysColor(COLOR_BTNFACE)),
                                     font.get(), L"Номера недель", scale.dpi);
    control(L"BUTTON", L"OK", WS_TABSTOP | BS_DEFPUSHBUTTON, scale.at(240, 216, 81, 33), IDOK);
}

// Draws the weekday labels once, then selects the remembered month, which draws it.
void WeeksWindow::Form_Load()
{
    GdiCanvas canvas(Picture1->surface(), scale.dpi);
    draw(weeksFixedLayer(), canvas);
    SendMessageW(List1, LB_SETCURSEL, WPARAM(chosenMonth), 0);
    List1_Click();   // a choice made by the program is handled as one by the user
    SetFocus(List1);
}

void WeeksWindow::List1_Click()
{
    const LRESULT month = SendMessageW(List1, LB_GETCURSEL, 0, 0);
    if (month < 0 || month > 11)
        return;
    chosenMonth = int(month);
    const std::wstring name = widen(MonthName[std::size_t(month)]);
    SetWindowTextW(Label1, name.c_str());
    SetWindowTextW(Picture1->handle(), (L"Дни и номера недель: " + name).c_str());
    const Scene scene = weeksScene(model, oldStyleChecked, chosenMonth);
    GdiCanvas canvas(Picture1->surface(), scale.dpi);
    draw(scene.dayLayer, canvas);
    Picture1->setCursorCells(scene.cells, model.year);
    Picture1->refresh();
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
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace ortelana::win32
