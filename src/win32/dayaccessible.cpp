// The IAccessible of a picture's days: child 0 is the list itself, child 1 + i the
// i-th day.  Calls from other processes arrive through the main thread's apartment.
#include "win32/dayaccessible.h"

#include "win32/text.h"
#include "win32/windowbase.h"

namespace ortelana::win32 {

namespace {

// __uuidof, not IID_IAccessible: oleacc's import library, linked before uuid, would
// give the name of a thunk and the marshalling would fail with E_NOINTERFACE.
const IID &AccessibleId = __uuidof(IAccessible);

class Accessible final : public IAccessible
{
public:
    explicit Accessible(const DaySource &source) : window(source.window), source(&source) {}
    void disconnect() { source = nullptr; }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void **out) override
    {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (id != __uuidof(IUnknown) && id != __uuidof(IDispatch) && id != AccessibleId)
            return E_NOINTERFACE;
        *out = static_cast<IAccessible *>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ULONG(InterlockedIncrement(&references)); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG left = InterlockedDecrement(&references);
        if (left == 0)
            delete this;
        return ULONG(left);
    }

    // IDispatch: screen readers call the vtable; no type information is offered.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *count) override { return count ? (*count = 0, S_OK) : E_POINTER; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR *, UINT, LCID, DISPID *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS *, VARIANT *, EXCEPINFO *, UINT *) override
    {
        return E_NOTIMPL;
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch **parent) override
    {
        if (!parent)
            return E_POINTER;
        *parent = nullptr;
        if (!source)
            return RPC_E_DISCONNECTED;
        return AccessibleObjectFromWindow(window, DWORD(OBJID_WINDOW), __uuidof(IDispatch), reinterpret_cast<void **>(parent));
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long *count) override
    {
        if (!count)
            return E_POINTER;
        if (!source)
            return RPC_E_DISCONNECTED;
        *count = source->days->days();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch **object) override
    {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        const HRESULT valid = check(child);
        return valid == S_OK ? S_FALSE : valid;   // the days are simple children
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR *name) override
    {
        return text(child, name, [this](long id) {
            return id != CHILDID_SELF ? widen(source->days->name(int(id - 1))) : windowText(window);
        });
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR *value) override
    {
        return text(child, value, [](long) { return std::wstring(); });
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR *description) override
    {
        return text(child, description, [this](long id) {
            return id != CHILDID_SELF && id - 1 == source->focusedDay() ? widen(source->days->description(int(id - 1)))
                                                                         : std::wstring();
        });
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT *role) override
    {
        return number(child, role, [this](long id) { return id == CHILDID_SELF ? source->role : ROLE_SYSTEM_LISTITEM; });
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT *state) override
    {
        return number(child, state, [this](long id) -> long {
            const long reachable = source->focusable ? STATE_SYSTEM_FOCUSABLE : 0;
            if (id == CHILDID_SELF)
                return reachable | (GetFocus() == window ? STATE_SYSTEM_FOCUSED : 0);
            if (!source->focusable)
                return STATE_SYSTEM_READONLY;
            const long chosen = id - 1 == source->focusedDay() ? STATE_SYSTEM_FOCUSED | STATE_SYSTEM_SELECTED : 0;
            return reachable | STATE_SYSTEM_SELECTABLE | chosen;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR *help) override
    {
        return text(child, help, [](long) { return std::wstring(); });
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR *file, VARIANT, long *topic) override
    {
        if (file)
            *file = nullptr;
        if (topic)
            *topic = 0;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR *shortcut) override
    {
        return text(child, shortcut, [](long) { return std::wstring(); });
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT *focus) override { return chosen(focus); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT *selection) override { return chosen(selection); }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR *action) override
    {
        return text(child, action, [](long) { return std::wstring(); });
    }
    HRESULT STDMETHODCALLTYPE accSelect(long, VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
    HRESULT STDMETHODCALLTYPE accLocation(long *left, long *top, long *width, long *height, VARIANT child) override
    {
        if (!left || !top || !width || !height)
            return E_POINTER;
        *left = *top = *width = *height = 0;
        if (const HRESULT valid = check(child); valid != S_OK)
            return valid;
        RECT area{};
        if (child.lVal == CHILDID_SELF)
            GetClientRect(window, &area);
        else
            area = source->daySlot(int(child.lVal - 1));
        MapWindowPoints(window, nullptr, reinterpret_cast<POINT *>(&area), 2);
        *left = area.left;
        *top = area.top;
        *width = area.right - area.left;
        *height = area.bottom - area.top;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT *end) override
    {
        if (!end)
            return E_POINTER;
        VariantInit(end);
        if (const HRESULT valid = check(start); valid != S_OK)
            return valid;
        const long count = source->days->days();
        long to = 0;
        if (start.lVal == CHILDID_SELF)
            to = direction == NAVDIR_FIRSTCHILD ? 1 : direction == NAVDIR_LASTCHILD ? count : 0;
        else if (direction == NAVDIR_NEXT || direction == NAVDIR_DOWN)
            to = start.lVal + 1;
        else if (direction == NAVDIR_PREVIOUS || direction == NAVDIR_UP)
            to = start.lVal - 1;
        if (to < 1 || to > count)
            return S_FALSE;   // nothing there
        end->vt = VT_I4;
        end->lVal = to;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT *found) override
    {
        if (!found)
            return E_POINTER;
        VariantInit(found);
        if (!source)
            return RPC_E_DISCONNECTED;
        POINT point{x, y};
        ScreenToClient(window, &point);
        RECT area{};
        GetClientRect(window, &area);
        if (!PtInRect(&area, point))
            return S_FALSE;
        // The picture's pixels back to the scene's, as it is drawn.
        const int day = source->days->indexAt(MulDiv(point.x, 96, source->dpi), MulDiv(point.y, 96, source->dpi));
        found->vt = VT_I4;
        found->lVal = day >= 0 && day < source->days->days() ? day + 1 : CHILDID_SELF;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return DISP_E_MEMBERNOTFOUND; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return DISP_E_MEMBERNOTFOUND; }

private:
    ~Accessible() = default;

    // S_OK for the list itself or one of its days.
    HRESULT check(const VARIANT &child) const
    {
        if (!source)
            return RPC_E_DISCONNECTED;
        if (child.vt != VT_I4 || child.lVal < CHILDID_SELF || child.lVal > source->days->days())
            return E_INVALIDARG;
        return S_OK;
    }
    template<typename Make> HRESULT text(const VARIANT &child, BSTR *out, Make make) const
    {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (const HRESULT valid = check(child); valid != S_OK)
            return valid;
        const std::wstring made = make(child.lVal);
        if (made.empty())
            return S_FALSE;
        *out = SysAllocStringLen(made.data(), UINT(made.size()));
        return *out ? S_OK : E_OUTOFMEMORY;
    }
    template<typename Make> HRESULT number(const VARIANT &child, VARIANT *out, Make make) const
    {
        if (!out)
            return E_POINTER;
        VariantInit(out);
        if (const HRESULT valid = check(child); valid != S_OK)
            return valid;
        out->vt = VT_I4;
        out->lVal = make(child.lVal);
        return S_OK;
    }
    // The cursor's day while the picture has the focus, the list itself when it has the
    // focus without a day, nothing otherwise.
    HRESULT chosen(VARIANT *out) const
    {
        if (!out)
            return E_POINTER;
        VariantInit(out);
        if (!source)
            return RPC_E_DISCONNECTED;
        if (GetFocus() != window)
            return S_FALSE;
        out->vt = VT_I4;
        out->lVal = source->focusedDay() + 1;   // CHILDID_SELF when no day
        return S_OK;
    }

    LONG references = 1;
    HWND window;
    const DaySource *source;
};

} // namespace

RECT DaySource::daySlot(int index) const
{
    const SceneCell &cell = days->cells()[std::size_t(index)];
    return scaled(cell.x, cell.y, cell.width, cell.height);
}

RECT DaySource::scaled(int x, int y, int width, int height) const
{
    // Scaled as the canvas draws the picture.
    return RECT{MulDiv(x, dpi, 96), MulDiv(y, dpi, 96), MulDiv(x + width, dpi, 96), MulDiv(y + height, dpi, 96)};
}

DayList::DayList(const DaySource &source)
    : source(source), object(new Accessible(this->source))
{
}

DayList::~DayList()
{
    static_cast<Accessible *>(object)->disconnect();
    CoDisconnectObject(object, 0);
    object->Release();
}

LRESULT DayList::answer(WPARAM flags, LPARAM objectId) const
{
    if (DWORD(objectId) != DWORD(OBJID_CLIENT))
        return 0;
    return LresultFromObject(AccessibleId, flags, object);
}

void DayList::announceFocus() const
{
    const int day = source.focusedDay();
    if (day < 0)
        return;
    NotifyWinEvent(EVENT_OBJECT_FOCUS, source.window, OBJID_CLIENT, day + 1);
    NotifyWinEvent(EVENT_OBJECT_SELECTION, source.window, OBJID_CLIENT, day + 1);
}

} // namespace ortelana::win32
