// Listens as a Windows screen reader does, in a process of its own beside the program:
// a global out-of-context hook for focus events, each resolved with
// AccessibleObjectFromEvent and written to standard output as one UTF-8 line:
//     focus<TAB>role<TAB>state (hex)<TAB>name<TAB>description<TAB>left,top,width,height
// "ready" comes first, once the hook is in place.  Runs until it is ended.
// With --list TITLE it reads the window named TITLE instead, as a screen reader browses
// it: one line for the list, then one a child, in the same form with "list"/"item".
// With --texts TITLE it says the window's title, then the name of each of its controls
// that has one, a line each, as a screen reader reads a dialog out.  Events are
// queued and resolved in order from the message loop, as screen readers do: a call into
// the program lets the next event in, and resolving it there would say it first.
#include <windows.h>

#include <oleacc.h>

#include <deque>
#include <string>

namespace {

void writeLine(const std::wstring &line)
{
    const std::wstring text = line + L"\n";
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(std::size_t(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), bytes.data(), size, nullptr, nullptr);
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), DWORD(bytes.size()), &written, nullptr);
}

std::wstring taken(BSTR text)
{
    std::wstring result = text ? std::wstring(text, SysStringLen(text)) : std::wstring();
    SysFreeString(text);
    return result;
}

struct Event
{
    HWND window;
    LONG object, child;
};
constexpr wchar_t QueueClass[] = L"OrtelanaListenerQueue";

// The queue lives in wmain; a message-only window carries it to the hook.
void CALLBACK heard(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD)
{
    const HWND holder = FindWindowExW(HWND_MESSAGE, nullptr, QueueClass, nullptr);
    if (auto *queue = reinterpret_cast<std::deque<Event> *>(GetWindowLongPtrW(holder, GWLP_USERDATA))) {
        queue->push_back({window, object, child});
        PostMessageW(holder, WM_NULL, 0, 0);   // the hook runs inside GetMessage: wakes it
    }
}

// One line of what `accessible` says of `which`, after `kind`.
void describe(const wchar_t *kind, IAccessible *accessible, VARIANT which)
{
    BSTR name = nullptr, description = nullptr;
    accessible->get_accName(which, &name);
    accessible->get_accDescription(which, &description);
    VARIANT role, state;
    VariantInit(&role);
    VariantInit(&state);
    accessible->get_accRole(which, &role);
    accessible->get_accState(which, &state);
    long left = 0, top = 0, width = 0, height = 0;
    accessible->accLocation(&left, &top, &width, &height, which);
    wchar_t stateText[16];
    wsprintfW(stateText, L"%lx", role.vt == VT_I4 && state.vt == VT_I4 ? state.lVal : -1L);
    writeLine(kind + (L"\t" + std::to_wstring(role.vt == VT_I4 ? role.lVal : -1) + L"\t" + stateText + L"\t" + taken(name)
              + L"\t" + taken(description) + L"\t" + std::to_wstring(left) + L"," + std::to_wstring(top) + L","
              + std::to_wstring(width) + L"," + std::to_wstring(height)));
}

void resolve(HWND window, LONG object, LONG child)
{
    IAccessible *accessible = nullptr;
    VARIANT which;
    VariantInit(&which);
    if (FAILED(AccessibleObjectFromEvent(window, DWORD(object), DWORD(child), &accessible, &which)) || !accessible)
        return writeLine(L"focus\t?");
    describe(L"focus", accessible, which);
    accessible->Release();
}

struct Search
{
    const wchar_t *title;
    HWND found;
};

BOOL CALLBACK compare(HWND window, LPARAM search)
{
    auto &wanted = *reinterpret_cast<Search *>(search);
    wchar_t text[256]{};
    GetWindowTextW(window, text, 256);
    if (lstrcmpW(text, wanted.title) == 0)
        wanted.found = window;
    else
        EnumChildWindows(window, compare, search);
    return wanted.found == nullptr;
}

int list(const wchar_t *title)
{
    Search search{title, nullptr};
    EnumWindows(compare, reinterpret_cast<LPARAM>(&search));
    IAccessible *accessible = nullptr;
    if (!search.found || FAILED(AccessibleObjectFromWindow(search.found, DWORD(OBJID_CLIENT), __uuidof(IAccessible),
                                                           reinterpret_cast<void **>(&accessible))))
        return 1;
    VARIANT which;
    which.vt = VT_I4;
    which.lVal = CHILDID_SELF;
    describe(L"list", accessible, which);
    long count = 0;
    accessible->get_accChildCount(&count);
    for (which.lVal = 1; which.lVal <= count; ++which.lVal)
        describe(L"item", accessible, which);
    accessible->Release();
    return 0;
}

BOOL CALLBACK sayName(HWND control, LPARAM)
{
    IAccessible *accessible = nullptr;
    if (IsWindowVisible(control)
        && SUCCEEDED(AccessibleObjectFromWindow(control, DWORD(OBJID_CLIENT), __uuidof(IAccessible),
                                                reinterpret_cast<void **>(&accessible)))) {
        VARIANT self;
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        BSTR name = nullptr;
        accessible->get_accName(self, &name);
        if (const std::wstring text = taken(name); !text.empty())
            writeLine(text);
        accessible->Release();
    }
    return TRUE;
}

int texts(const wchar_t *title)
{
    Search search{title, nullptr};
    EnumWindows(compare, reinterpret_cast<LPARAM>(&search));
    if (!search.found)
        return 1;
    writeLine(title);
    EnumChildWindows(search.found, sayName, 0);
    return 0;
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (argc == 3 && lstrcmpW(argv[1], L"--list") == 0)
        return list(argv[2]);
    if (argc == 3 && lstrcmpW(argv[1], L"--texts") == 0)
        return texts(argv[2]);
    WNDCLASSW kind{};
    kind.lpfnWndProc = DefWindowProcW;
    kind.hInstance = GetModuleHandleW(nullptr);
    kind.lpszClassName = QueueClass;
    RegisterClassW(&kind);
    const HWND holder = CreateWindowW(QueueClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, kind.hInstance, nullptr);
    std::deque<Event> queue;
    SetWindowLongPtrW(holder, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&queue));
    // Any process (Wine delivers nothing to a hook bound to one process), as screen
    // readers hook.
    if (!SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, heard, 0, 0,
                         WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS))
        return 1;
    writeLine(L"ready");
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
        while (!queue.empty()) {
            const Event next = queue.front();
            queue.pop_front();
            resolve(next.window, next.object, next.child);
        }
    }
    return 0;
}
