// The redirect page and the shell calls.
#include "win32/links.h"

#include "behaviour/redirectpage.h"
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

// Writes `bytes` to a temporary file beside `target`, flushed, then moves it over the
// target, so that the target is never left half written.  Taken: the name may not be
// replaced (read-only, a folder, a link, held open); Failed: the folder takes no file.
PageWrite writeWhole(const std::wstring &folder, const std::wstring &target, const std::string &bytes)
{
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES
        && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)))
        return PageWrite::Taken;

    wchar_t temporary[MAX_PATH + 1]{};
    if (GetTempFileNameW(folder.c_str(), L"ort", 0, temporary) == 0)
        return PageWrite::Failed;
    const HANDLE file = CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    bool written = file != INVALID_HANDLE_VALUE;
    if (written) {
        DWORD done = 0;
        written = WriteFile(file, bytes.data(), DWORD(bytes.size()), &done, nullptr) && done == bytes.size()
                  && FlushFileBuffers(file);
        written = CloseHandle(file) && written;
    }
    if (!written) {
        DeleteFileW(temporary);
        return PageWrite::Failed;
    }
    if (MoveFileExW(temporary, target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return PageWrite::Written;
    const DWORD error = GetLastError();
    DeleteFileW(temporary);
    return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED || error == ERROR_LOCK_VIOLATION
               ? PageWrite::Taken
               : PageWrite::Failed;
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

std::wstring SaveFileUrl(std::wstring_view address, Opener open)
{
    // The page goes into the current directory, and the shell is given its full path:
    // a bare name would be looked for in the program's folder.
    const DWORD size = GetCurrentDirectoryW(0, nullptr);
    if (size == 0)
        return {};
    std::wstring folder(size, L'\0');
    folder.resize(GetCurrentDirectoryW(size, folder.data()));
    if (folder.empty() || GetFileAttributesW(folder.c_str()) == INVALID_FILE_ATTRIBUTES)
        return {};   // the directory has gone
    const std::wstring prefix = folder.back() == L'\\' ? folder : folder + L'\\';
    const std::string name = writeRedirectPage(toCodePage1251(address), [&](const std::string &file, const std::string &page) {
        return writeWhole(folder, prefix + widen(file), page);
    });
    if (name.empty())
        return {};
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
