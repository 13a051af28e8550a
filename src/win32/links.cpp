// The redirect page and the shell calls.
#include "win32/links.h"

#include "behaviour/redirectpage.h"
#include "behaviour/words.h"
#include "win32/safewriter.h"
#include "win32/text.h"

#include <windows.h>
#include <shellapi.h>

namespace ortelana::win32 {

namespace {

bool isFile(const std::wstring &path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Lets the windows answer what waits for them once, as between writing the page and
// handing it over.
void deliverPendingMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(int(message.wParam));
            break;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

} // namespace

void shellOpen(const std::wstring &path)
{
    ShellExecuteW(nullptr, L"open", path.c_str(), nullptr, programFolder().c_str(), SW_SHOWNORMAL);
}

std::wstring programFolder()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD size = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (size == 0)
            return {};
        if (size < path.size()) {
            path.resize(size);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

std::wstring SaveFileUrl(std::wstring_view address, Opener open, std::wstring *failure)
{
    // The page goes into the current directory, and the shell is given its full path:
    // a bare name would be looked for in the program's folder.
    const DWORD size = GetCurrentDirectoryW(0, nullptr);
    std::wstring folder(size, L'\0');
    folder.resize(size ? GetCurrentDirectoryW(size, folder.data()) : 0);
    if (folder.empty() || GetFileAttributesW(folder.c_str()) == INVALID_FILE_ATTRIBUTES) {
        // The directory has gone.
        if (failure)
            *failure = widen(words::writeFailure(narrow(folder + L"\\0.html"), words::NoSuchPath));
        return {};
    }
    const std::wstring prefix = folder.back() == L'\\' ? folder : folder + L'\\';
    std::wstring lastTried;
    WriteResult last;
    const std::string name = writeRedirectPage(toCodePage1251(address), [&](const std::string &file, const std::string &page) {
        lastTried = prefix + widen(file);
        last = writeFileSafely(lastTried, page);
        switch (last.status) {
        case WriteResult::Status::Refused: return PageWrite::Taken;
        case WriteResult::Status::Failed: return PageWrite::Failed;
        case WriteResult::Status::Written: return PageWrite::Written;
        }
        return PageWrite::Failed;
    });
    if (name.empty()) {
        if (failure)
            *failure = widen(words::writeFailure(narrow(lastTried), narrow(last.reason)));
        return {};
    }
    const std::wstring path = prefix + widen(name);
    deliverPendingMessages();
    open(path);
    return path;
}

bool OpenInShell(std::wstring_view fileName, Opener open)
{
    const std::wstring path = programFolder() + L'\\' + std::wstring(fileName);
    // A missing document is passed over: a viewer would only show an error of its own.
    if (!isFile(path))
        return false;
    open(path);
    return true;
}

} // namespace ortelana::win32
