// The yardstick of the Windows program's start: the least a Win32 program does to
// show a year's worth of numbers.  One window of the main window's client size,
// and in its WM_PAINT the numbers 1 to 366 in the sheet's font and ink, 24 a row;
// no menu, no controls, no COM, no picture kept.  bench_start times its start to
// its numbers on the screen beside ortelana.exe's start to its sheet, under the
// same warm Wine.  Cross-built: cmake --build build-windows --target bench_minimal
#include "bench_minimal.h"

#include <windows.h>

#include <string>

namespace {

LRESULT CALLBACK answer(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    using namespace minimal;
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(window, &paint);
        const HFONT font = CreateFontW(-13, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, RUSSIAN_CHARSET, OUT_DEFAULT_PRECIS,
                                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"MS Sans Serif");
        const HGDIOBJ old = SelectObject(dc, font);
        SetTextColor(dc, Ink);
        SetBkMode(dc, TRANSPARENT);
        for (int number = 1; number <= Count; ++number) {
            const std::wstring text = std::to_wstring(number);
            TextOutW(dc, Margin + (number - 1) % Columns * CellWidth, Margin + (number - 1) / Columns * CellHeight,
                     text.c_str(), int(text.size()));
        }
        SelectObject(dc, old);
        DeleteObject(font);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    WNDCLASSW kind{};
    kind.lpfnWndProc = answer;
    kind.hInstance = instance;
    kind.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    kind.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    kind.lpszClassName = L"OrtelanaBenchMinimal";
    RegisterClassW(&kind);
    RECT frame{0, 0, 634, 508};   // the main window's client area
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    const HWND window = CreateWindowW(kind.lpszClassName, L"366", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                      frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance,
                                      nullptr);
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
