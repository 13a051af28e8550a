// The days of a picture for UI Automation clients (Narrator, and NVDA where it prefers
// UI Automation): the picture is a fragment root; on the sheet it holds twelve month
// tables, the week numbers picture is one table itself (behaviour/daytables.h).  A
// table has the grid and table patterns, weekday rows and week columns with their
// header items; each place is a data item with the grid item and table item patterns,
// a day named as the MSAA list names it.  The picture window answers WM_GETOBJECT's
// UI Automation object with it and has it announce the cursor's day and the news.
#pragma once

#include "win32/dayaccessible.h"

#include <windows.h>

#include <string>

struct IRawElementProviderSimple;

namespace ortelana::win32 {

// Where the events go: to uiautomationcore (the default), or to a test's recorder.
class AutomationEvents
{
public:
    virtual ~AutomationEvents() = default;
    virtual void focusChanged(IRawElementProviderSimple *element) = 0;
    // Returns: false when the text could not be raised (no client asked, or the system
    // has no notification event).
    virtual bool notify(IRawElementProviderSimple *element, const std::wstring &text) = 0;
};

class DayAutomation
{
public:
    // `events` null: the system's, raised only once a client has asked for the picture.
    explicit DayAutomation(const DaySource &source, AutomationEvents *events = nullptr);
    // Clients still holding elements get "not available" from then on.
    ~DayAutomation();
    DayAutomation(const DayAutomation &) = delete;
    DayAutomation &operator=(const DayAutomation &) = delete;

    // WM_GETOBJECT's answer for UI Automation's root object; 0 for any other object.
    LRESULT answer(WPARAM flags, LPARAM objectId);
    // The picture's element, owned by this object (for in-process clients and tests).
    IRawElementProviderSimple *root() const;
    // A new drawing: the tables are read again.
    void refresh();
    // The cursor's day has the focus (nothing when the picture has not the keyboard focus).
    void announceFocus();
    // The news of a new drawing, said after the cursor's day: as a notification where the
    // system has one; otherwise the day's help text carries it with the focus event.
    void announceNews(const std::string &text);

    class Model;   // what the elements share; outlives this object while clients hold them

private:
    bool asked = false;   // a client asked: from then on the system's events are raised
    IRawElementProviderSimple *rootElement = nullptr;
    Model *model;
    AutomationEvents *ownEvents = nullptr;
    AutomationEvents *events;
};

} // namespace ortelana::win32
