// The parts of UI Automation's provider interface that the older mingw-w64 headers lack
// (the grid and table patterns, the identifiers of control types and events), declared
// here as the system defines them, under names of our own so that newer headers that
// do have them do not clash; and the functions of uiautomationcore.dll, loaded when a
// client first asks, since mingw-w64 ships no import library for it.
#pragma once

#include <windows.h>

#include <ole2.h>
#include <uiautomationcore.h>

namespace ortelana::win32::uia {

// Identifiers, as numbered by the system.
inline constexpr int RootObjectId = -25;   // WM_GETOBJECT's object for UI Automation
inline constexpr int AppendRuntimeId = 3;
inline constexpr PATTERNID GridPattern = 10006, GridItemPattern = 10007, TablePattern = 10012,
                           TableItemPattern = 10013;
inline constexpr PROPERTYID NameProperty = 30005, ControlTypeProperty = 30003, HasKeyboardFocusProperty = 30008,
                            IsKeyboardFocusableProperty = 30009, IsEnabledProperty = 30010,
                            HelpTextProperty = 30013, IsOffscreenProperty = 30022;
inline constexpr int DataItemControl = 50029, HeaderItemControl = 50035, TableControl = 50036, PaneControl = 50033;
inline constexpr EVENTID FocusChangedEvent = 20005;
inline constexpr int RowMajor = 0, ColumnMajor = 1;
inline constexpr int NotificationActionCompleted = 2, NotificationMostRecent = 3;
inline constexpr HRESULT ElementNotAvailable = HRESULT(0x80040201);

inline constexpr IID GridProviderId = {0xb17d6187, 0x0907, 0x464b, {0xa1, 0x68, 0x0e, 0xf1, 0x7a, 0x15, 0x72, 0xb1}};
inline constexpr IID GridItemProviderId = {0xd02541f1, 0xfb81, 0x4d64, {0xae, 0x32, 0xf5, 0x20, 0xf8, 0xa6, 0xdb, 0xd1}};
inline constexpr IID TableProviderId = {0x9c860395, 0x97b3, 0x490a, {0xb5, 0x2a, 0x85, 0x8c, 0xc2, 0x2a, 0xf1, 0x66}};
inline constexpr IID TableItemProviderId = {0xb9734fa6, 0x771f, 0x4d78, {0x9c, 0x90, 0x25, 0x17, 0x99, 0x93, 0x49, 0xcd}};

struct GridProvider : IUnknown
{
    virtual HRESULT STDMETHODCALLTYPE GetItem(int row, int column, IRawElementProviderSimple **item) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_RowCount(int *count) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ColumnCount(int *count) = 0;
};

struct GridItemProvider : IUnknown
{
    virtual HRESULT STDMETHODCALLTYPE get_Row(int *row) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Column(int *column) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_RowSpan(int *span) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ColumnSpan(int *span) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ContainingGrid(IRawElementProviderSimple **grid) = 0;
};

struct TableProvider : IUnknown
{
    virtual HRESULT STDMETHODCALLTYPE GetRowHeaders(SAFEARRAY **headers) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetColumnHeaders(SAFEARRAY **headers) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_RowOrColumnMajor(int *major) = 0;
};

struct TableItemProvider : IUnknown
{
    virtual HRESULT STDMETHODCALLTYPE GetRowHeaderItems(SAFEARRAY **headers) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetColumnHeaderItems(SAFEARRAY **headers) = 0;
};

// uiautomationcore.dll's functions; a missing one is null (the notification event came
// with Windows 10 1709, and Wine 8 lacks it).
struct Library
{
    LRESULT(WINAPI *returnProvider)(HWND, WPARAM, LPARAM, IRawElementProviderSimple *) = nullptr;
    HRESULT(WINAPI *hostProvider)(HWND, IRawElementProviderSimple **) = nullptr;
    HRESULT(WINAPI *raiseEvent)(IRawElementProviderSimple *, EVENTID) = nullptr;
    HRESULT(WINAPI *raiseNotification)(IRawElementProviderSimple *, int kind, int processing, BSTR text,
                                       BSTR activity) = nullptr;
    BOOL(WINAPI *clientsListening)() = nullptr;
    HRESULT(WINAPI *disconnect)(IRawElementProviderSimple *) = nullptr;
};

// Returns: the functions, the library loaded on the first call and kept.
const Library &library();

} // namespace ortelana::win32::uia
