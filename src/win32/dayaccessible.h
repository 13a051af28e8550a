// The days of a picture for Windows screen readers (MSAA): the picture's client object
// is a list, each day a simple item named as the scene speaks it, the day cursor's item
// focused and selected while the picture has the keyboard focus; a picture without
// days is an object of its own role (a text, a graphic) named by its window text.  The
// picture window owns a DayList, answers WM_GETOBJECT with it and has it announce the
// cursor's day.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <string>

namespace ortelana::win32 {

// What the list reads from its picture at each question, so that a screen reader hears
// what the picture shows now.  Indexes run over the days in date order.
class DaySource
{
public:
    virtual int dayCount() const = 0;
    virtual std::wstring dayName(int index) const = 0;
    // The day's slot in the picture's client pixels.
    virtual RECT daySlot(int index) const = 0;
    // The cursor's day while the picture has the keyboard focus; -1 otherwise.
    virtual int focusedDay() const = 0;
    // What came with the drawing the cursor's day is in (the year and its caption), or
    // nothing once the cursor has moved.
    virtual std::wstring news() const = 0;
    // Whether the keyboard reaches the picture (the week picture is looked at only).
    virtual bool takesFocus() const = 0;
    // The picture's own role: ROLE_SYSTEM_LIST for days, or what it shows.
    virtual long role() const = 0;

protected:
    ~DaySource() = default;
};

class DayList
{
public:
    DayList(HWND window, const DaySource &source);
    // Clients still holding the object get "disconnected" from then on.
    ~DayList();
    DayList(const DayList &) = delete;
    DayList &operator=(const DayList &) = delete;

    // WM_GETOBJECT's answer for the client object; 0 for any other object.
    LRESULT answer(WPARAM flags, LPARAM objectId) const;
    // Tells listeners that the cursor's day has the focus and the selection (nothing
    // when the picture has not the keyboard focus).
    void announceFocus() const;

private:
    HWND window;
    const DaySource &source;
    IAccessible *object = nullptr;
};

} // namespace ortelana::win32
