// Entry point of the Windows program: the window, the export, or the help and
// version texts.  A refused command line is told in one line on standard error when
// there is somewhere to write it, in a message box «Ошибка» otherwise.
#include "behaviour/mainwindow.h"
#include "behaviour/words.h"
#include "calendar/contrast.h"
#include "calendar/scene.h"
#include "calendar/sheetgeometry.h"
#include "calendar/yearmodel.h"
#include "cli/helptext.h"
#include "win32/commandline.h"
#include "win32/fonts.h"
#include "win32/gdicanvas.h"
#include "win32/images.h"
#include "win32/mainwindow.h"
#include "win32/text.h"

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include <string>
#include <vector>

using namespace ortelana;
using namespace ortelana::win32;

namespace {

// The arguments as the system split them, program name first.
std::vector<std::wstring> arguments()
{
    std::vector<std::wstring> list;
    int count = 0;
    if (wchar_t **split = CommandLineToArgvW(GetCommandLineW(), &count)) {
        list.assign(split, split + count);
        LocalFree(split);
    }
    return list;
}

// Returns: a handle to write the program's text to, or null when it has none
// (started from a desktop rather than from a console or with output redirected).
HANDLE outputHandle(DWORD which)
{
    HANDLE handle = GetStdHandle(which);
    if (handle && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN)
        return handle;
    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return nullptr;
    handle = GetStdHandle(which);
    return handle && handle != INVALID_HANDLE_VALUE ? handle : nullptr;
}

// Writes `text` (lines ending in "\n") where it can be read; returns false when there
// is no such place.
bool writeOut(DWORD which, const std::wstring &text)
{
    const HANDLE handle = outputHandle(which);
    if (!handle)
        return false;
    std::wstring lines;
    for (const wchar_t c : text) {
        if (c == L'\n')
            lines += L'\r';
        lines += c;
    }
    DWORD mode = 0, done = 0;
    if (GetConsoleMode(handle, &mode))
        return WriteConsoleW(handle, lines.c_str(), DWORD(lines.size()), &done, nullptr);
    const std::string bytes = narrow(lines);
    return WriteFile(handle, bytes.data(), DWORD(bytes.size()), &done, nullptr) && done == bytes.size();
}

void tell(DWORD which, const std::wstring &text, UINT icon)
{
    if (!writeOut(which, text))
        MessageBoxW(nullptr, text.c_str(), icon == MB_ICONERROR ? L"Ошибка" : L"Ортелана", MB_OK | icon);
}

// Draws the sheet off screen, exactly as the window shows it, and writes it as a PNG.
int exportSheet(const WideCommandLine &line)
{
    const CommandLine &command = line.command;
    const Font font = uiFont(FontRole::Sheet, 96);   // the export is at the layout's own scale
    const Scene scene = sheetScene(computeYear(command.request.year), command.request.oldStyle);
    Surface picture(sheet::DrawingWidth, sheet::DrawingHeight, inkSurface(GetSysColor(COLOR_BTNFACE)), font.get());
    GdiCanvas canvas(picture);
    draw(scene.fixedLayer, canvas);
    draw(scene.dayLayer, canvas);
    GdiFlush();
    const WriteResult written = savePng(line.file, picture);
    if (written.written())
        return 0;
    tell(STD_ERROR_HANDLE, widen(words::exportFailure(narrow(line.file), narrow(written.reason))) + L"\n", MB_ICONERROR);
    return 1;
}

long long thisYear()
{
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return startYear(now.wYear);
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    const WideCommandLine line = readCommandLine(arguments(), thisYear());
    const CommandLine &command = line.command;
    switch (command.action) {
    case CommandLine::Action::Help:
        tell(STD_OUTPUT_HANDLE, widen(helpText(FrontEnd::Win32)), MB_ICONINFORMATION);
        return 0;
    case CommandLine::Action::Version:
        tell(STD_OUTPUT_HANDLE, widen(versionText()), MB_ICONINFORMATION);
        return 0;
    case CommandLine::Action::Refuse:
        tell(STD_ERROR_HANDLE, line.message + L"\n", MB_ICONERROR);
        return command.exitCode;
    case CommandLine::Action::Export:
    case CommandLine::Action::Window:
        break;
    }

    // The imaging component and the accessibility annotations are COM objects.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    const int status = command.action == CommandLine::Action::Export
                           ? exportSheet(line)
                           : MainWindow::run(command.start.value_or(SheetRequest{thisYear(), true}));
    if (SUCCEEDED(com))
        CoUninitialize();
    return status;
}
