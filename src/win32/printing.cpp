// The print dialog and the print job.
#include "win32/printing.h"

#include "behaviour/words.h"
#include "win32/printpage.h"
#include "win32/text.h"
#include "win32/systemfunction.h"

#include <cderr.h>
#include <commdlg.h>

#include <string>

namespace ortelana::win32 {

namespace {
// The dialog's settings, printer names and device context, freed with it.
struct PrintDialog
{
    PRINTDLGW dialog{};
    PrintDialog() { dialog.lStructSize = sizeof dialog; }
    ~PrintDialog()
    {
        if (dialog.hDC)
            DeleteDC(dialog.hDC);
        if (dialog.hDevMode)
            GlobalFree(dialog.hDevMode);
        if (dialog.hDevNames)
            GlobalFree(dialog.hDevNames);
    }
    PrintDialog(const PrintDialog &) = delete;
    PrintDialog &operator=(const PrintDialog &) = delete;
};

// The dialog's library, loaded at the first print rather than with the program: it
// brings the spooler and its printers in, which the program needs for nothing else
// (and under Wine, brought in at start with a print server about, left the week
// numbers window's picture blank).
struct DialogLibrary
{
    HMODULE module = LoadLibraryW(L"comdlg32.dll");
    ~DialogLibrary() { if (module) FreeLibrary(module); }
    DialogLibrary() = default;
    DialogLibrary(const DialogLibrary &) = delete;
    DialogLibrary &operator=(const DialogLibrary &) = delete;
    template <typename Function>
    Function function(const char *name) const
    {
        return systemFunction<Function>(module, name);
    }
};

// Turns the printer's settings to landscape: the page is wider than tall.
void turnToLandscape(HGLOBAL settings)
{
    if (auto *mode = static_cast<DEVMODEW *>(settings ? GlobalLock(settings) : nullptr)) {
        if (mode->dmFields & DM_ORIENTATION)
            mode->dmOrientation = DMORIENT_LANDSCAPE;
        GlobalUnlock(settings);
    }
}
} // namespace

Printed printOn(HDC printer, const SheetRequest &request)
{
    const std::wstring title = widen(words::printJobTitle(request.year));
    DOCINFOW document{};
    document.cbSize = sizeof document;
    document.lpszDocName = title.c_str();
    if (StartDocW(printer, &document) <= 0)
        return GetLastError() == ERROR_CANCELLED ? Printed::Cancelled : Printed::Failed;
    if (StartPage(printer) <= 0) {
        AbortDoc(printer);
        return Printed::Failed;
    }
    drawPage(printer, RECT{0, 0, GetDeviceCaps(printer, HORZRES), GetDeviceCaps(printer, VERTRES)}, request);
    if (EndPage(printer) <= 0) {
        AbortDoc(printer);
        return Printed::Failed;
    }
    return EndDoc(printer) > 0 ? Printed::Done : Printed::Failed;
}

Printed printSheet(HWND owner, const SheetRequest &request)
{
    const DialogLibrary library;
    const auto PrintDlgW = library.function<BOOL(WINAPI *)(LPPRINTDLGW)>("PrintDlgW");
    const auto CommDlgExtendedError = library.function<DWORD(WINAPI *)()>("CommDlgExtendedError");
    if (!PrintDlgW || !CommDlgExtendedError) {
        MessageBoxW(owner, widen(words::PrintFailed).c_str(), widen(words::ErrorTitle).c_str(), MB_OK | MB_ICONERROR);
        return Printed::Failed;
    }
    PrintDialog chosen;
    PRINTDLGW &dialog = chosen.dialog;
    dialog.hwndOwner = owner;
    // The dialog starts from the default printer's settings turned to landscape; with
    // no printer at all, the dialog itself says so below.
    dialog.Flags = PD_RETURNDEFAULT | PD_NOWARNING;
    if (PrintDlgW(&dialog))
        turnToLandscape(dialog.hDevMode);
    // Copies are the printer's to make; the page is one, printing to a file is the
    // job of a printer that makes files.
    dialog.Flags = PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE | PD_USEDEVMODECOPIESANDCOLLATE;
    dialog.nCopies = 1;
    Printed printed = Printed::Cancelled;
    if (PrintDlgW(&dialog))
        printed = dialog.hDC ? printOn(dialog.hDC, request) : Printed::Failed;
    else if (const DWORD error = CommDlgExtendedError(); error != 0 && error != PDERR_NODEFAULTPRN)
        printed = Printed::Failed;
    if (printed == Printed::Failed)
        MessageBoxW(owner, widen(words::PrintFailed).c_str(), widen(words::ErrorTitle).c_str(), MB_OK | MB_ICONERROR);
    return printed;
}

} // namespace ortelana::win32
