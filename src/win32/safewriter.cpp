// The safe file writer on Win32, every result checked.
#include "win32/safewriter.h"

#include "behaviour/words.h"
#include "win32/text.h"

#include <windows.h>

namespace ortelana::win32 {

namespace {

using Status = WriteResult::Status;

WriteResult failed(unsigned long error) { return {Status::Failed, error, errorText(error)}; }
WriteResult refused(const std::wstring &why) { return {Status::Refused, 0, why}; }

// Returns: why the existing target may not be replaced, or nothing.
std::wstring refusalOf(DWORD attributes)
{
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return L"это ссылка, по ссылкам запись не идёт";
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return widen(words::IsFolder);
    if (attributes & FILE_ATTRIBUTE_READONLY)
        return widen(words::ReadOnlyFile);
    return {};
}

std::wstring systemMessage(DWORD error, DWORD language)
{
    wchar_t *buffer = nullptr;
    const DWORD size = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM
                                          | FORMAT_MESSAGE_IGNORE_INSERTS,
                                      nullptr, error, language, reinterpret_cast<wchar_t *>(&buffer), 0, nullptr);
    std::wstring text = size ? std::wstring(buffer, size) : std::wstring();
    LocalFree(buffer);
    // One line: the message's own line ends and its full stop go.
    for (wchar_t &c : text)
        if (c == L'\r' || c == L'\n')
            c = L' ';
    while (!text.empty() && (text.back() == L' ' || text.back() == L'.'))
        text.pop_back();
    return text;
}

} // namespace

std::wstring errorText(unsigned long error)
{
    if (HRESULT_FACILITY(HRESULT(error)) == FACILITY_WIN32 && (error & 0x80000000u))
        error = HRESULT_CODE(HRESULT(error));
    switch (error) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return widen(words::NoSpace);
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_DIRECTORY:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_DRIVE:
        return widen(words::NoSuchPath);
    case ERROR_ACCESS_DENIED:
        return widen(words::AccessDenied);
    case ERROR_WRITE_PROTECT:
        return widen(words::ReadOnlyFileSystem);
    default:
        break;
    }
    std::wstring text = systemMessage(DWORD(error), MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT));
    if (text.empty())
        text = systemMessage(DWORD(error), 0);
    return text.empty() ? L"ошибка " + std::to_wstring(error) : text;
}

WriteResult writeFileSafely(const std::wstring &target, const std::string &bytes)
{
    if (target.empty())
        return failed(ERROR_PATH_NOT_FOUND);
    const DWORD old = GetFileAttributesW(target.c_str());
    if (old != INVALID_FILE_ATTRIBUTES) {
        if (const std::wstring why = refusalOf(old); !why.empty())
            return refused(why);
    } else if (const DWORD error = GetLastError(); error != ERROR_FILE_NOT_FOUND) {
        return failed(error);   // a missing folder on the way, a bad name
    }

    // A new file beside the target, on the same volume for the move.
    const std::size_t slash = target.find_last_of(L"\\/");
    const std::wstring folder = slash == std::wstring::npos ? L"." : target.substr(0, slash == 0 ? 1 : slash);
    wchar_t temporary[MAX_PATH + 1]{};
    if (GetTempFileNameW(folder.c_str(), L"ort", 0, temporary) == 0)
        return failed(GetLastError());
    const HANDLE file = CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD error = file == INVALID_HANDLE_VALUE ? GetLastError() : 0;
    if (file != INVALID_HANDLE_VALUE) {
        DWORD done = 0;
        if (!WriteFile(file, bytes.data(), DWORD(bytes.size()), &done, nullptr))
            error = GetLastError();
        else if (done != bytes.size())
            error = ERROR_DISK_FULL;   // written short without a reason
        else if (!FlushFileBuffers(file))
            error = GetLastError();
        if (!CloseHandle(file) && !error)
            error = GetLastError();
    }
    if (!error && !MoveFileExW(temporary, target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = GetLastError();
        if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION
            || (error == ERROR_ACCESS_DENIED && GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES)) {
            DeleteFileW(temporary);
            return refused(L"файл открыт другой программой");
        }
    }
    if (error) {
        DeleteFileW(temporary);
        return failed(error);
    }
    return {};
}

} // namespace ortelana::win32
