// The Windows program's own logic, cross-built and run under Wine: the wide command
// line, the redirect page in code page 1251 and its numbering on a real disk, the help
// document, the GDI canvas drawing a year slot for slot as the scene places it, and the
// printed page drawn at a printer's resolution.
// The rules both programs share are tst_behaviour's.
#include "behaviour/redirectpage.h"
#include "behaviour/words.h"
#include "calendar/scene.h"
#include "calendar/sheetgeometry.h"
#include "win32/commandline.h"
#include "win32/fonts.h"
#include "win32/gdicanvas.h"
#include "win32/images.h"
#include "win32/safewriter.h"
#include "win32/links.h"
#include "win32/printpage.h"
#include "win32/text.h"
#include "tally.h"

#include <windows.h>
#include <objbase.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

using namespace ortelana;
using namespace ortelana::win32;

namespace {

Tally check;

std::vector<std::wstring> opened;   // what the links handed over, in order
void record(const std::wstring &path) { opened.push_back(path); }

// The wide arguments read through the shared command line (its rules are tested in
// tst_commandlineparser): the file name comes from its own argument, whatever UTF-8
// makes of it, and the message comes back whole.
void commandLines()
{
    using Action = CommandLine::Action;
    const struct
    {
        std::vector<std::wstring> arguments;
        Action action;
        std::wstring fileOrMessage;
    } rows[] = {
        {{L"--export=файл.png"}, Action::Export, L"файл.png"},
        {{L"--year", L"5", L"--export", L"a\xD800.png"}, Action::Export, L"a\xD800.png"},   // a lone surrogate
        {{L"--export", L"лист.pdf"}, Action::Refuse, L"ortelana: неизвестный формат «лист.pdf»: нужен .png"},
        {{L"--year", L"1", L"--year", L"2"}, Action::Refuse, L"ortelana: «--year» указан дважды"},
    };
    for (const auto &row : rows) {
        std::vector<std::wstring> arguments{L"ortelana.exe"};
        arguments.insert(arguments.end(), row.arguments.begin(), row.arguments.end());
        const WideCommandLine line = readCommandLine(arguments, 2026);
        std::string name = "command line";
        for (const std::wstring &argument : row.arguments)
            name += " " + narrow(argument);
        check(line.command.action == row.action
                  && (row.action == Action::Export ? line.file : line.message) == row.fileOrMessage,
              name + ": " + narrow(line.file + line.message));
    }
}

std::string fileBytes(const std::wstring &path)
{
    std::string bytes;
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "(missing)";
    char buffer[4096];
    DWORD done = 0;
    while (ReadFile(file, buffer, sizeof buffer, &done, nullptr) && done > 0)
        bytes.append(buffer, done);
    CloseHandle(file);
    return bytes;
}

void writeFile(const std::wstring &path, const std::string &bytes)
{
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD done = 0;
    WriteFile(file, bytes.data(), DWORD(bytes.size()), &done, nullptr);
    CloseHandle(file);
}

// A fresh empty folder made the current directory; returns its path.
std::wstring freshFolder(const std::wstring &name)
{
    wchar_t temp[MAX_PATH + 1]{};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"ortelana-test-" + name + L"-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    SetCurrentDirectoryW(folder.c_str());
    return folder;
}

void removeFolder(const std::wstring &folder)
{
    SetCurrentDirectoryW(L"C:\\");
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring path = folder + L"\\" + found.cFileName;
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(path.c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

void redirectPages()
{
    const std::string head = "<html><head><meta http-equiv='refresh' content='0; url=";
    const std::string tail = "'><meta http-equiv='Content-Type' content='text/html; charset=windows-1251'>"
                             "<title>WWW</title></head><body></body></html>\r\n";
    check(redirectPage(toCodePage1251(L"https://пример.рф/")) == head + "https://\xEF\xF0\xE8\xEC\xE5\xF0.\xF0\xF4/" + tail,
          "page: Cyrillic in code page 1251");

    const std::wstring address = L"https://ortelana.example.org/";
    const std::string page = head + narrow(address) + tail;
    const std::wstring folder = freshFolder(L"pages");
    const std::wstring zero = folder + L"\\0.html", one = folder + L"\\1.html";

    opened.clear();
    check(SaveFileUrl(address, record) == zero && fileBytes(zero) == page, "first page: 0.html byte for byte");
    check(opened == std::vector<std::wstring>{zero}, "first page: 0.html handed over by its full path");

    writeFile(zero, "old");
    opened.clear();
    SaveFileUrl(address, record);
    check(fileBytes(zero) == page && GetFileAttributesW(one.c_str()) == INVALID_FILE_ATTRIBUTES,
          "a writable 0.html is rewritten, no 1.html");

    // Held open by another program, without sharing: left alone, 1.html instead.
    const HANDLE held = CreateFileW(zero.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    opened.clear();
    check(SaveFileUrl(address, record) == one && fileBytes(one) == page, "0.html held open: 1.html written");
    CloseHandle(held);
    check(fileBytes(zero) == page && opened == std::vector<std::wstring>{one}, "0.html held open: left, 1.html opened");
    DeleteFileW(one.c_str());

    SetFileAttributesW(zero.c_str(), FILE_ATTRIBUTE_READONLY);
    writeFile(one, "");
    opened.clear();
    check(SaveFileUrl(address, record) == one && fileBytes(one) == page, "read-only 0.html: 1.html written");
    check(fileBytes(zero) == page && opened == std::vector<std::wstring>{one}, "read-only 0.html: left, 1.html opened");

    for (int n = 1; n <= 9; ++n) {
        const std::wstring path = folder + L"\\" + std::to_wstring(n) + L".html";
        writeFile(path, "kept");
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
    }
    check(SaveFileUrl(address, record) == folder + L"\\10.html", "0.html to 9.html read-only: 10.html");
    check(fileBytes(folder + L"\\9.html") == "kept", "a read-only page keeps its content");
    removeFolder(folder);

    // A folder that holds a subfolder named 0.html: that name is passed over too.
    const std::wstring other = freshFolder(L"folder");
    CreateDirectoryW((other + L"\\0.html").c_str(), nullptr);
    check(SaveFileUrl(address, record) == other + L"\\1.html", "a folder named 0.html: 1.html");
    RemoveDirectoryW((other + L"\\0.html").c_str());
    removeFolder(other);

    // Nothing is written and nothing opened where the current directory takes no file:
    // under Wine, the host's /proc refuses every new file, even root's.
    if (SetCurrentDirectoryW(L"Z:\\proc")) {
        opened.clear();
        check(SaveFileUrl(address, record).empty() && opened.empty(), "a directory that takes no file: nothing opened");
        check(GetFileAttributesW(L"Z:\\proc\\0.html") == INVALID_FILE_ATTRIBUTES, "a directory that takes no file: no page");
    } else {
        std::printf("SKIP: no read-only directory to stand in the current directory\n");
    }
    SetCurrentDirectoryW(L"C:\\");
}

// Files that cannot be written: one Russian phrase from the system's own error (the
// Linux program's words for the same causes), nothing left behind, the old file as it
// was.  The export's PNG goes through the same writer.
void failedWrites()
{
    const std::wstring folder = freshFolder(L"writes");
    const std::wstring readOnly = folder + L"\\old.png", subfolder = folder + L"\\sub.png";
    writeFile(readOnly, "old bytes");
    SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
    CreateDirectoryW(subfolder.c_str(), nullptr);
    const Font font = uiFont(FontRole::Sheet, 96);
    Surface picture(20, 10, RGB(255, 255, 255), font.get());
    const struct
    {
        const char *name;
        std::wstring target;
        WriteResult::Status status;
        const char *reason;
    } rows[] = {
        {"a missing folder", folder + L"\\no-such-folder\\sheet.png", WriteResult::Status::Failed, words::NoSuchPath},
        {"a read-only file", readOnly, WriteResult::Status::Refused, words::ReadOnlyFile},
        {"a folder", subfolder, WriteResult::Status::Refused, words::IsFolder},
        // Under Wine, the host's /proc takes no new file, even root's; Wine tells it as a
        // path not found (a folder that denies access cannot be made for root).
        {"a folder that takes no file", L"Z:\\proc\\sheet.png", WriteResult::Status::Failed, words::NoSuchPath},
    };
    for (const auto &row : rows) {
        const WriteResult written = savePng(row.target, picture);
        check(written.status == row.status && written.reason == widen(row.reason),
              std::string("export to ") + row.name + ": «" + narrow(written.reason) + "»");
    }
    check(fileBytes(readOnly) == "old bytes", "export to a read-only file: its old bytes stay");
    std::vector<std::wstring> left;
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &found))
        if (found.cFileName[0] != L'.')
            left.push_back(found.cFileName);
    if (search != INVALID_HANDLE_VALUE)
        FindClose(search);
    check(left.size() == 2, "failed exports leave no temporary file (" + std::to_string(left.size()) + " names)");
    RemoveDirectoryW(subfolder.c_str());
    removeFolder(folder);

    // The reasons: a Win32 code or an HRESULT wrapping one, never a raw number.
    const struct
    {
        unsigned long error;
        const char *reason;
    } reasons[] = {
        {ERROR_DISK_FULL, words::NoSpace},
        {ERROR_HANDLE_DISK_FULL, words::NoSpace},
        {static_cast<unsigned long>(HRESULT_FROM_WIN32(ERROR_DISK_FULL)), words::NoSpace},
        {ERROR_DIRECTORY, words::NoSuchPath},
        {ERROR_PATH_NOT_FOUND, words::NoSuchPath},
        {ERROR_INVALID_NAME, words::NoSuchPath},
        {static_cast<unsigned long>(E_ACCESSDENIED), words::AccessDenied},
    };
    for (const auto &row : reasons)
        check(errorText(row.error) == widen(row.reason), "reason for " + std::to_string(row.error) + ": " + narrow(errorText(row.error)));
    const std::wstring other = errorText(ERROR_SHARING_VIOLATION);
    check(!other.empty() && other.find(L"32") == std::wstring::npos && other.back() != L'.' && other.find(L'\n') == std::wstring::npos,
          "another error: the system's message on one line: " + narrow(other));

    // The link's page: no page, nothing opened, and the line that says why.
    if (SetCurrentDirectoryW(L"Z:\\proc")) {
        opened.clear();
        std::wstring failure;
        const std::wstring page = SaveFileUrl(L"https://ortelana.example.org/", record, &failure);
        check(page.empty() && opened.empty()
                  && failure == widen(words::writeFailure("Z:\\proc\\0.html", words::NoSuchPath)),
              "the page in a folder that takes no file: «" + narrow(failure) + "» " + narrow(page));
    }
    SetCurrentDirectoryW(L"C:\\");
}

void helpDocument()
{
    opened.clear();
    check(!OpenInShell(L"no-such-document.html", record) && opened.empty(), "missing document: nothing opened");
    const std::wstring path = programFolder() + L"\\tst-document.html";
    writeFile(path, "<html></html>");
    check(OpenInShell(L"tst-document.html", record) && opened == std::vector<std::wstring>{path},
          "document in the program folder: opened by its full path");
    DeleteFileW(path.c_str());
}

// Every day of the year drawn through the GDI canvas: each slot holds ink of its own
// colour only, and the slots of no day hold none.
void canvasDrawsTheScene()
{
    struct Row
    {
        long long year;
        bool oldStyle;
        int dpi;   // 144: the layout's pixels half as large again, as on a 150 % screen
    };
    for (const Row &row : {Row{2005, true, 96}, Row{1917, false, 96}, Row{2012, true, 96}, Row{2005, true, 144}}) {
        const Font font = uiFont(FontRole::Sheet, row.dpi);
        const auto px = [&](int length) { return MulDiv(length, row.dpi, 96); };
        const Scene scene = sheetScene(computeYear(row.year), row.oldStyle);
        const COLORREF face = RGB(0xF0, 0xF0, 0xF0);
        Surface sheet(px(629), px(389), face, font.get());
        GdiCanvas canvas(sheet, row.dpi);
        draw(sheetFixedLayer(), canvas);
        draw(scene.dayLayer, canvas);
        GdiFlush();
        const auto pixel = [&](int x, int y) {
            const std::uint32_t bgr = sheet.pixels()[std::size_t(y) * std::size_t(sheet.width()) + std::size_t(x)];
            return COLORREF(((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF));
        };
        const std::string name = std::to_string(row.year) + " at " + std::to_string(row.dpi) + " dpi";
        int wrong = 0;
        for (const SceneCell &cell : scene.cells) {
            const bool red = cell.weekday == 7 || cell.victoryDay;
            const COLORREF want = red ? colors::Red : colors::DayNumber, unwanted = red ? colors::DayNumber : colors::Red;
            bool ink = false, other = false;
            // The slots of the bottom row reach past the picture's edge.  A scaled font may
            // be smoothed: there only the other day colour counts as foreign ink.
            for (int y = px(cell.y); y < std::min(px(cell.y + cell.height), sheet.height()); ++y)
                for (int x = px(cell.x); x < std::min(px(cell.x + cell.width), sheet.width()); ++x) {
                    const COLORREF c = pixel(x, y);
                    ink = ink || c == want;
                    other = other || c == unwanted || (row.dpi == 96 && c != want && c != face);
                }
            if ((!ink || other) && ++wrong <= 3)
                check(false, name + ": day " + std::to_string(cell.day) + "." + std::to_string(cell.month)
                                 + (ink ? " has ink of another colour" : " has no ink of its colour"));
        }
        check(wrong == 0, "canvas: every day of " + name + " in its slot, in its colour");
        check(scene.cells.size() == (row.year == 2012 ? 366u : 365u), "canvas: one slot a day");
    }
    // The scaled fonts are the faces asked for, bold where asked: no fallback to a
    // regular face of another family.
    for (const int dpi : {120, 144, 192}) {
        const Font scaled = uiFont(FontRole::Sheet, dpi);
        const HDC screen = GetDC(nullptr);
        const HGDIOBJ old = SelectObject(screen, scaled.get());
        wchar_t face[LF_FACESIZE]{};
        GetTextFaceW(screen, LF_FACESIZE, face);
        TEXTMETRICW metrics{};
        GetTextMetricsW(screen, &metrics);
        SelectObject(screen, old);
        ReleaseDC(nullptr, screen);
        check(lstrcmpW(face, sansSerifFace(dpi)) == 0 && metrics.tmWeight >= FW_BOLD
                  && metrics.tmHeight - metrics.tmInternalLeading == MulDiv(fontpx::Pt9_75, dpi, 96),
              "the sheet's font at " + std::to_string(dpi) + " dpi: " + narrow(face) + ", weight "
                  + std::to_string(metrics.tmWeight) + ", " + std::to_string(metrics.tmHeight - metrics.tmInternalLeading)
                  + " px");
    }
    const Font font = makeFont(L"MS Sans Serif", fontpx::Pt9_75, true);
    // The canvas measures what it draws: the width of a text is its drawn extent.
    Surface surface(200, 30, RGB(255, 255, 255), font.get());
    GdiCanvas canvas(surface);
    canvas.text(0, 0, 0, "Сентябрь");
    GdiFlush();
    int right = -1;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 200; ++x)
            if ((surface.pixels()[y * 200 + x] & 0xFFFFFF) != 0xFFFFFF && x > right)
                right = x;
    const int width = canvas.textWidth("Сентябрь");
    check(right >= 0 && right < width && width - right <= 4, "canvas: measured width covers the ink");
}

// The printed page at printer resolutions, on pages of other shapes and with margins:
// the title and sheet as large as fit, centred, every day in its slot scaled from the
// 96-dpi layout in its colour, the title's ink centred over the sheet, nothing outside.
void pageIsScaledAndCentred()
{
    constexpr int Width = sheet::DrawingWidth, Height = pagetitle::Height + sheet::DrawingHeight;
    struct Row
    {
        const char *name;
        RECT page;   // within a picture this much larger on each side
        int margin;
        long long year;
    };
    const Row rows[] = {
        {"A4 landscape at 150 dpi", {0, 0, 1754, 1240}, 0, 2005},
        {"A4 portrait at 150 dpi", {0, 0, 1240, 1754}, 0, 1945},
        {"a wide strip, with margins", {40, 30, 2440, 630}, 40, 2012},
    };
    for (const Row &row : rows) {
        const int pageWidth = row.page.right - row.page.left, pageHeight = row.page.bottom - row.page.top;
        // As large as fits: the narrower of the two scales; centred within a pixel.
        const double scale = std::min(double(pageWidth) / Width, double(pageHeight) / Height);
        const double left = row.page.left + (pageWidth - Width * scale) / 2, top = row.page.top + (pageHeight - Height * scale) / 2;
        const RECT place = pagePlace(row.page);
        check(std::abs(place.left - left) <= 1 && std::abs(place.top - top) <= 1
                  && std::abs(place.right - (left + Width * scale)) <= 1 && std::abs(place.bottom - (top + Height * scale)) <= 1,
              std::string("page: ") + row.name + " fitted and centred");

        const COLORREF paper = RGB(255, 255, 255);
        const Font font = makeFont(L"MS Sans Serif", fontpx::Pt9_75, true);
        Surface surface(row.page.right + row.margin, row.page.bottom + row.margin, paper, font.get());
        drawPage(surface.dc(), row.page, {row.year, true});
        GdiFlush();
        const auto pixel = [&](int x, int y) {
            const std::uint32_t bgr = surface.pixels()[std::size_t(y) * std::size_t(surface.width()) + std::size_t(x)];
            return COLORREF(((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF));
        };
        const auto at = [&](double x, double origin) { return int(origin + x * scale + 0.5); };
        const Scene scene = sheetScene(computeYear(row.year), true);
        int wrong = 0;
        for (const SceneCell &cell : scene.cells) {
            const bool red = cell.weekday == 7 || cell.victoryDay;
            const COLORREF want = red ? colors::Red : colors::DayNumber, unwanted = red ? colors::DayNumber : colors::Red;
            bool ink = false, other = false;
            const int y0 = at(pagetitle::Height + cell.y, top), y1 = std::min(at(pagetitle::Height + cell.y + cell.height, top), int(place.bottom));
            for (int y = y0; y < y1; ++y)
                for (int x = at(cell.x, left); x < std::min(at(cell.x + cell.width, left), int(place.right)); ++x) {
                    ink = ink || pixel(x, y) == want;
                    other = other || pixel(x, y) == unwanted;
                }
            if ((!ink || other) && ++wrong <= 3)
                check(false, std::string(row.name) + ": day " + std::to_string(cell.day) + "." + std::to_string(cell.month)
                                 + (ink ? " has ink of another colour" : " has no ink of its colour"));
        }
        check(wrong == 0, std::string("page: every day of ") + std::to_string(row.year) + " in its slot, " + row.name);

        // The title: black, in the band, centred over the sheet within two layout pixels.
        int titleLeft = surface.width(), titleRight = -1, outside = 0;
        for (int y = 0; y < surface.height(); ++y)
            for (int x = 0; x < surface.width(); ++x) {
                const COLORREF c = pixel(x, y);
                if (c == paper)
                    continue;
                if (x < place.left || x >= place.right || y < place.top || y >= place.bottom)
                    ++outside;
                else if (c == RGB(0, 0, 0) && y < at(pagetitle::Height, top))
                    titleLeft = std::min(titleLeft, x), titleRight = std::max(titleRight, x);
            }
        check(outside == 0, std::string("page: no ink outside the fitted place, ") + row.name);
        const double titleMiddle = (titleLeft + titleRight + 1) / 2.0, placeMiddle = (place.left + place.right) / 2.0;
        check(titleRight > titleLeft && std::abs(titleMiddle - placeMiddle) <= 2 * scale,
              std::string("page: the title centred over the sheet, ") + row.name + ": " + std::to_string(titleLeft) + " to "
                  + std::to_string(titleRight));
    }
}

} // namespace

int main()
{
    // The export's imaging component is a COM object.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    commandLines();
    redirectPages();
    failedWrites();
    helpDocument();
    canvasDrawsTheScene();
    pageIsScaledAndCentred();
    return check.finish();
}
