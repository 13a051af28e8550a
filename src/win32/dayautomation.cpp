// The elements of a picture's tables, made when asked for: each knows only its kind and
// place and reads the model at every question, so it says what the picture shows now.
// Calls from other processes arrive through the main thread's apartment (COM threading).
#include "win32/dayautomation.h"

#include "behaviour/daytables.h"
#include "win32/text.h"
#include "win32/uiapatterns.h"
#include "win32/windowbase.h"
#include "win32/systemfunction.h"

#include <type_traits>
#include <vector>

namespace ortelana::win32 {

namespace uia {
const Library &library()
{
    static const Library loaded = [] {
        Library api;
        if (const HMODULE module = LoadLibraryW(L"uiautomationcore.dll")) {
            const auto find = [module](auto &function, const char *name) {
                function = systemFunction<std::remove_reference_t<decltype(function)>>(module, name);
            };
            find(api.returnProvider, "UiaReturnRawElementProvider");
            find(api.hostProvider, "UiaHostProviderFromHwnd");
            find(api.raiseEvent, "UiaRaiseAutomationEvent");
            find(api.raiseNotification, "UiaRaiseNotificationEvent");
            find(api.clientsListening, "UiaClientsAreListening");
            find(api.disconnect, "UiaDisconnectProvider");
        }
        return api;
    }();
    return loaded;
}
} // namespace uia

namespace {

enum class Kind { Root, Table, Place, RowHeader, ColumnHeader };

// The system's events, once a client has asked.
class SystemEvents final : public AutomationEvents
{
public:
    explicit SystemEvents(const bool &asked) : asked(asked) {}
    void focusChanged(IRawElementProviderSimple *element) override
    {
        if (!asked)
            return;   // no client: the library stays unloaded
        const uia::Library &api = uia::library();
        if (api.raiseEvent && (!api.clientsListening || api.clientsListening()))
            api.raiseEvent(element, uia::FocusChangedEvent);
    }
    bool notify(IRawElementProviderSimple *element, const std::wstring &text) override
    {
        if (!asked)
            return false;   // no client to tell
        const uia::Library &api = uia::library();
        if (!api.raiseNotification)
            return false;
        BSTR said = SysAllocStringLen(text.data(), UINT(text.size()));
        BSTR activity = SysAllocString(L"Ortelana.Year");
        api.raiseNotification(element, uia::NotificationActionCompleted, uia::NotificationMostRecent, said, activity);
        SysFreeString(activity);
        SysFreeString(said);
        return true;
    }

private:
    const bool &asked;
};

} // namespace

class DayAutomation::Model
{
public:
    Model(const DaySource &source, IRawElementProviderSimple *&root) : source(&source), root(root) {}
    void AddRef() { ++references; }
    void Release()
    {
        if (--references == 0)
            delete this;
    }

    const DaySource *source;   // null once the picture is gone
    IRawElementProviderSimple *&root;
    DayTables tables;
    long references = 1;

    bool rootIsTable() const { return tables.tables.size() == 1; }
    RECT onScreen(const Slot &slot) const
    {
        RECT area = source->scaled(slot.x, slot.y, slot.width, slot.height);
        MapWindowPoints(source->window, nullptr, reinterpret_cast<POINT *>(&area), 2);
        return area;
    }
};

namespace {

using Model = DayAutomation::Model;

class Element final : public IRawElementProviderSimple,
                      public IRawElementProviderFragment,
                      public IRawElementProviderFragmentRoot,
                      public uia::GridProvider,
                      public uia::TableProvider,
                      public uia::GridItemProvider,
                      public uia::TableItemProvider
{
public:
    Element(Model *model, Kind kind, int table = 0, int row = 0, int column = 0)
        : model(model), kind(kind), table(table), row(row), column(column)
    {
        model->AddRef();
    }

    // A new reference to an element; the root is the one the picture keeps.
    static IRawElementProviderSimple *make(Model *model, Kind kind, int table = 0, int row = 0, int column = 0)
    {
        if (kind == Kind::Root || (kind == Kind::Table && model->rootIsTable())) {
            model->root->AddRef();
            return model->root;
        }
        return new Element(model, kind, table, row, column);
    }
    template<typename Interface> static HRESULT give(IRawElementProviderSimple *element, Interface **out)
    {
        *out = static_cast<Interface *>(static_cast<Element *>(element));
        return S_OK;
    }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void **out) override
    {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        const bool table = isTable(), place = kind == Kind::Place;
        if (id == __uuidof(IUnknown) || id == __uuidof(IRawElementProviderSimple))
            *out = static_cast<IRawElementProviderSimple *>(this);
        else if (id == __uuidof(IRawElementProviderFragment))
            *out = static_cast<IRawElementProviderFragment *>(this);
        else if (id == __uuidof(IRawElementProviderFragmentRoot) && kind == Kind::Root)
            *out = static_cast<IRawElementProviderFragmentRoot *>(this);
        else if (id == uia::GridProviderId && table)
            *out = static_cast<uia::GridProvider *>(this);
        else if (id == uia::TableProviderId && table)
            *out = static_cast<uia::TableProvider *>(this);
        else if (id == uia::GridItemProviderId && place)
            *out = static_cast<uia::GridItemProvider *>(this);
        else if (id == uia::TableItemProviderId && place)
            *out = static_cast<uia::TableItemProvider *>(this);
        else
            return E_NOINTERFACE;
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

    // IRawElementProviderSimple
    HRESULT STDMETHODCALLTYPE get_ProviderOptions(ProviderOptions *options) override
    {
        if (!options)
            return E_POINTER;
        *options = ProviderOptions(ProviderOptions_ServerSideProvider | ProviderOptions_UseComThreading);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetPatternProvider(PATTERNID pattern, IUnknown **out) override
    {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (const HRESULT valid = check(); valid != S_OK)
            return valid;
        const IID *id = pattern == uia::GridPattern        ? &uia::GridProviderId
                        : pattern == uia::TablePattern     ? &uia::TableProviderId
                        : pattern == uia::GridItemPattern  ? &uia::GridItemProviderId
                        : pattern == uia::TableItemPattern ? &uia::TableItemProviderId
                                                           : nullptr;
        if (id)
            QueryInterface(*id, reinterpret_cast<void **>(out));
        return S_OK;   // no such pattern: null
    }
    HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID property, VARIANT *value) override
    {
        if (!value)
            return E_POINTER;
        VariantInit(value);
        if (const HRESULT valid = check(); valid != S_OK)
            return valid;
        const DaySource &source = *model->source;
        const int day = dayIndex();
        const auto text = [value](const std::wstring &made) {
            if (!made.empty()) {
                value->vt = VT_BSTR;
                value->bstrVal = SysAllocStringLen(made.data(), UINT(made.size()));
            }
        };
        const auto flag = [value](bool on) {
            value->vt = VT_BOOL;
            value->boolVal = on ? VARIANT_TRUE : VARIANT_FALSE;
        };
        switch (property) {
        case uia::NameProperty:
            text(name());
            break;
        case uia::ControlTypeProperty:
            value->vt = VT_I4;
            value->lVal = kind == Kind::Place                                ? uia::DataItemControl
                          : kind == Kind::RowHeader || kind == Kind::ColumnHeader ? uia::HeaderItemControl
                          : isTable()                                        ? uia::TableControl
                                                                             : uia::PaneControl;
            break;
        case uia::HelpTextProperty:
            if (day >= 0)
                text(widen(source.days->description(day)));
            break;
        case uia::IsKeyboardFocusableProperty:
            flag(source.focusable && (kind == Kind::Root || day >= 0));
            break;
        case uia::HasKeyboardFocusProperty:
            flag(kind == Kind::Root ? ::GetFocus() == source.window && source.focusedDay() < 0
                                    : day >= 0 && day == source.focusedDay());
            break;
        case uia::IsEnabledProperty:
            flag(true);
            break;
        case uia::IsOffscreenProperty:
            if (kind != Kind::Root) {
                const RECT area = bounds();
                flag(IsRectEmpty(&area) != FALSE);
            }
            break;
        default:
            break;
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_HostRawElementProvider(IRawElementProviderSimple **host) override
    {
        if (!host)
            return E_POINTER;
        *host = nullptr;
        const uia::Library &api = uia::library();
        if (kind != Kind::Root || !model->source || !api.hostProvider)
            return S_OK;
        return api.hostProvider(model->source->window, host);
    }

    // IRawElementProviderFragment
    HRESULT STDMETHODCALLTYPE Navigate(NavigateDirection direction, IRawElementProviderFragment **out) override
    {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (const HRESULT valid = check(); valid != S_OK)
            return valid;
        IRawElementProviderSimple *found = nullptr;
        const int count = int(model->tables.tables.size());
        if (kind == Kind::Root && !isTable()) {
            if (count > 0 && direction == NavigateDirection_FirstChild)
                found = make(model, Kind::Table, 0);
            else if (count > 0 && direction == NavigateDirection_LastChild)
                found = make(model, Kind::Table, count - 1);
        } else if (kind == Kind::Table && !isRoot()) {
            if (direction == NavigateDirection_Parent)
                found = make(model, Kind::Root);
            else if (direction == NavigateDirection_NextSibling && table + 1 < count)
                found = make(model, Kind::Table, table + 1);
            else if (direction == NavigateDirection_PreviousSibling && table > 0)
                found = make(model, Kind::Table, table - 1);
        }
        if (isTable() && (direction == NavigateDirection_FirstChild || direction == NavigateDirection_LastChild)) {
            found = child(direction == NavigateDirection_FirstChild ? 0 : children() - 1);
        } else if (kind != Kind::Root && kind != Kind::Table) {
            const int at = childIndex();
            if (direction == NavigateDirection_Parent)
                found = make(model, Kind::Table, table);
            else if (direction == NavigateDirection_NextSibling)
                found = child(at + 1);
            else if (direction == NavigateDirection_PreviousSibling)
                found = child(at - 1);
        }
        if (found) {
            *out = static_cast<IRawElementProviderFragment *>(static_cast<Element *>(found));
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetRuntimeId(SAFEARRAY **id) override
    {
        if (!id)
            return E_POINTER;
        *id = nullptr;
        if (const HRESULT valid = check(); valid != S_OK)
            return valid;
        if (kind == Kind::Root)
            return S_OK;   // the host window's
        const int parts[] = {uia::AppendRuntimeId, int(kind), table, row, column};
        *id = SafeArrayCreateVector(VT_I4, 0, 5);
        if (!*id)
            return E_OUTOFMEMORY;
        for (LONG i = 0; i < 5; ++i)
            SafeArrayPutElement(*id, &i, const_cast<int *>(&parts[i]));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_BoundingRectangle(UiaRect *rect) override
    {
        if (!rect)
            return E_POINTER;
        *rect = UiaRect{};
        if (const HRESULT valid = check(); valid != S_OK)
            return valid;
        if (kind == Kind::Root)
            return S_OK;   // the host window's
        const RECT area = bounds();
        *rect = UiaRect{double(area.left), double(area.top), double(area.right - area.left), double(area.bottom - area.top)};
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetEmbeddedFragmentRoots(SAFEARRAY **roots) override
    {
        if (roots)
            *roots = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetFocus() override
    {
        if (const HRESULT valid = check(); valid != S_OK)
            return valid;
        // The picture takes the focus; its cursor stays on its day.
        ::SetFocus(model->source->window);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_FragmentRoot(IRawElementProviderFragmentRoot **root) override
    {
        if (!root)
            return E_POINTER;
        *root = nullptr;
        if (const HRESULT valid = check(); valid != S_OK)
            return valid;
        return give(make(model, Kind::Root), root);
    }

    // IRawElementProviderFragmentRoot
    HRESULT STDMETHODCALLTYPE ElementProviderFromPoint(double x, double y, IRawElementProviderFragment **out) override
    {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (const HRESULT valid = check(); valid != S_OK)
            return valid;
        const DaySource &source = *model->source;
        POINT point{LONG(x), LONG(y)};
        ScreenToClient(source.window, &point);
        // The picture's pixels back to the scene's, as it is drawn.
        const int day = source.days->indexAt(MulDiv(point.x, 96, source.dpi), MulDiv(point.y, 96, source.dpi));
        if (day >= 0 && day < source.days->days())
            return give(dayElement(model, day), out);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetFocus(IRawElementProviderFragment **out) override
    {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (const HRESULT valid = check(); valid != S_OK)
            return valid;
        const int day = model->source->focusedDay();
        return day >= 0 ? give(dayElement(model, day), out) : S_OK;
    }

    // IGridProvider
    HRESULT STDMETHODCALLTYPE GetItem(int atRow, int atColumn, IRawElementProviderSimple **item) override
    {
        if (!item)
            return E_POINTER;
        *item = nullptr;
        if (const HRESULT valid = check(); valid != S_OK)
            return valid;
        const DayTable &shown = tableShown();
        if (atRow < 0 || atColumn < 0 || atRow >= shown.rows() || atColumn >= shown.columns())
            return E_INVALIDARG;
        *item = make(model, Kind::Place, table, atRow, atColumn);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_RowCount(int *count) override { return number(count, [this] { return tableShown().rows(); }); }
    HRESULT STDMETHODCALLTYPE get_ColumnCount(int *count) override
    {
        return number(count, [this] { return tableShown().columns(); });
    }

    // ITableProvider
    HRESULT STDMETHODCALLTYPE GetRowHeaders(SAFEARRAY **headers) override
    {
        return elements(headers, [this] { return headersOf(Kind::RowHeader, tableShown().rows()); });
    }
    HRESULT STDMETHODCALLTYPE GetColumnHeaders(SAFEARRAY **headers) override
    {
        return elements(headers, [this] { return headersOf(Kind::ColumnHeader, tableShown().columns()); });
    }
    HRESULT STDMETHODCALLTYPE get_RowOrColumnMajor(int *major) override
    {
        // The days run down the week columns.
        return number(major, [] { return uia::ColumnMajor; });
    }

    // IGridItemProvider
    HRESULT STDMETHODCALLTYPE get_Row(int *at) override { return number(at, [this] { return row; }); }
    HRESULT STDMETHODCALLTYPE get_Column(int *at) override { return number(at, [this] { return column; }); }
    HRESULT STDMETHODCALLTYPE get_RowSpan(int *span) override { return number(span, [] { return 1; }); }
    HRESULT STDMETHODCALLTYPE get_ColumnSpan(int *span) override { return number(span, [] { return 1; }); }
    HRESULT STDMETHODCALLTYPE get_ContainingGrid(IRawElementProviderSimple **grid) override
    {
        if (!grid)
            return E_POINTER;
        *grid = nullptr;
        if (const HRESULT valid = check(); valid != S_OK)
            return valid;
        *grid = make(model, Kind::Table, table);
        return S_OK;
    }

    // ITableItemProvider
    HRESULT STDMETHODCALLTYPE GetRowHeaderItems(SAFEARRAY **headers) override
    {
        return elements(headers, [this] { return std::vector{make(model, Kind::RowHeader, table, row, 0)}; });
    }
    HRESULT STDMETHODCALLTYPE GetColumnHeaderItems(SAFEARRAY **headers) override
    {
        return elements(headers, [this] { return std::vector{make(model, Kind::ColumnHeader, table, 0, column)}; });
    }

    // The element of a day of the picture.
    static IRawElementProviderSimple *dayElement(Model *model, int day)
    {
        const TablePlace &place = model->tables.places[std::size_t(day)];
        return make(model, Kind::Place, place.table, place.row, place.column);
    }

private:
    ~Element() { model->Release(); }

    bool isRoot() const { return kind == Kind::Root || (kind == Kind::Table && model->rootIsTable()); }
    bool isTable() const { return kind == Kind::Table || (kind == Kind::Root && model->rootIsTable()); }
    const DayTable &tableShown() const { return model->tables.tables[std::size_t(table)]; }

    // S_OK while the picture is there and still has this place.
    HRESULT check() const
    {
        if (!model->source)
            return uia::ElementNotAvailable;
        const int count = int(model->tables.tables.size());
        if (kind == Kind::Root)
            return S_OK;
        if (table < 0 || table >= count)
            return uia::ElementNotAvailable;
        const DayTable &shown = tableShown();
        const bool inside = row >= 0 && column >= 0 && (kind == Kind::ColumnHeader || row < shown.rows())
                            && (kind == Kind::RowHeader || column < shown.columns());
        return inside ? S_OK : uia::ElementNotAvailable;
    }
    int dayIndex() const { return kind == Kind::Place ? tableShown().at(row, column) : -1; }
    std::wstring name() const
    {
        const DaySource &source = *model->source;
        switch (kind) {
        case Kind::Root: return windowText(source.window);
        case Kind::Table: return widen(tableShown().name);
        case Kind::RowHeader: return widen(tableShown().rowHeaders[std::size_t(row)]);
        case Kind::ColumnHeader: return widen(tableShown().columnHeaders[std::size_t(column)]);
        case Kind::Place: break;
        }
        const int day = dayIndex();
        return day >= 0 ? widen(source.days->name(day)) : std::wstring();
    }
    RECT bounds() const
    {
        const DayTable &shown = tableShown();
        switch (kind) {
        case Kind::RowHeader: return model->onScreen(shown.rowHeaderSlots[std::size_t(row)]);
        case Kind::ColumnHeader: {
            const Slot &slot = shown.columnHeaderSlots[std::size_t(column)];
            return slot.width > 0 ? model->onScreen(slot) : RECT{};
        }
        case Kind::Place: return model->onScreen(shown.slot(row, column));
        default: break;
        }
        // A table: from its weekday labels to its last week column.
        const Slot first = shown.rowHeaderSlots.front(), last = shown.slot(shown.rows() - 1, shown.columns() - 1);
        return model->onScreen(Slot{first.x, first.y, last.x + last.width - first.x, last.y + last.height - first.y});
    }

    // A table's children: its row headers, its places down each week column (the days
    // in date order), its column headers.
    int children() const { return tableShown().rows() + (tableShown().rows() + 1) * tableShown().columns(); }
    int childIndex() const
    {
        const DayTable &shown = tableShown();
        if (kind == Kind::RowHeader)
            return row;
        if (kind == Kind::Place)
            return shown.rows() + column * shown.rows() + row;
        return shown.rows() * (1 + shown.columns()) + column;
    }
    IRawElementProviderSimple *child(int index) const
    {
        const DayTable &shown = tableShown();
        const int rows = shown.rows(), places = rows * shown.columns();
        if (index < 0 || index >= rows + places + shown.columns())
            return nullptr;
        if (index < rows)
            return make(model, Kind::RowHeader, table, index, 0);
        if (index < rows + places)
            return make(model, Kind::Place, table, (index - rows) % rows, (index - rows) / rows);
        return make(model, Kind::ColumnHeader, table, 0, index - rows - places);
    }
    std::vector<IRawElementProviderSimple *> headersOf(Kind which, int count) const
    {
        std::vector<IRawElementProviderSimple *> made;
        for (int i = 0; i < count; ++i)
            made.push_back(make(model, which, table, which == Kind::RowHeader ? i : 0, which == Kind::RowHeader ? 0 : i));
        return made;
    }
    template<typename Make> HRESULT number(int *out, Make make) const
    {
        if (!out)
            return E_POINTER;
        *out = 0;
        if (const HRESULT valid = check(); valid != S_OK)
            return valid;
        *out = make();
        return S_OK;
    }
    template<typename Make> HRESULT elements(SAFEARRAY **out, Make make) const
    {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (const HRESULT valid = check(); valid != S_OK)
            return valid;
        const std::vector<IRawElementProviderSimple *> made = make();
        *out = SafeArrayCreateVector(VT_UNKNOWN, 0, ULONG(made.size()));
        for (LONG i = 0; i < LONG(made.size()); ++i) {
            if (*out)
                SafeArrayPutElement(*out, &i, static_cast<IUnknown *>(made[std::size_t(i)]));   // takes its own reference
            made[std::size_t(i)]->Release();
        }
        return *out ? S_OK : E_OUTOFMEMORY;
    }

    LONG references = 1;
    Model *model;
    Kind kind;
    int table, row, column;
};

} // namespace

DayAutomation::DayAutomation(const DaySource &source, AutomationEvents *events)
    : model(new Model(source, rootElement)), events(events ? events : (ownEvents = new SystemEvents(asked)))
{
    rootElement = new Element(model, Kind::Root);
    refresh();
}

DayAutomation::~DayAutomation()
{
    model->source = nullptr;
    if (asked && uia::library().disconnect)
        uia::library().disconnect(rootElement);
    rootElement->Release();
    model->Release();
    delete ownEvents;
}

LRESULT DayAutomation::answer(WPARAM flags, LPARAM objectId)
{
    if (LONG(objectId) != uia::RootObjectId || !model->source)
        return 0;
    const uia::Library &api = uia::library();
    if (!api.returnProvider)
        return 0;
    asked = true;
    return api.returnProvider(model->source->window, flags, objectId, rootElement);
}

IRawElementProviderSimple *DayAutomation::root() const { return rootElement; }

void DayAutomation::refresh() { model->tables = dayTables(*model->source->days); }

void DayAutomation::announceFocus()
{
    const int day = model->source->focusedDay();
    if (day < 0)
        return;
    IRawElementProviderSimple *element = Element::dayElement(model, day);
    events->focusChanged(element);
    element->Release();
}

void DayAutomation::announceNews(const std::string &text)
{
    const int day = model->source->focusedDay();
    if (day < 0)
        return;
    announceFocus();   // the day, its help text carrying the news
    if (!text.empty()) {
        IRawElementProviderSimple *element = Element::dayElement(model, day);
        events->notify(element, widen(text));
        element->Release();
    }
}

} // namespace ortelana::win32
