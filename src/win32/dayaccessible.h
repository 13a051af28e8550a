// The days of a picture for Windows screen readers (MSAA): the picture's client object
// is a list, each day a simple item named as the scene speaks it, the day cursor's item
// focused and selected while the picture has the keyboard focus; a picture without
// days is an object of its own role (a text, a graphic) named by its window text.  The
// picture window owns a DayList, answers WM_GETOBJECT with it and has it announce the
// cursor's day.
#pragma once

#include "behaviour/daypicture.h"

#include <windows.h>

#include <oleacc.h>

namespace ortelana::win32 {

// What the list reads of its picture at each question, so that a screen reader hears
// what the picture shows now: its days (indexes run over them in date order), whether
// the keyboard reaches it (the week picture is looked at only), its own role
// (ROLE_SYSTEM_LIST for days, or what it shows) and the density it is drawn at.
struct DaySource
{
    HWND window = nullptr;
    const DayPicture *days = nullptr;
    bool focusable = false;
    long role = ROLE_SYSTEM_LIST;
    int dpi = 96;

    // The cursor's day while the picture has the keyboard focus; -1 otherwise.
    int focusedDay() const { return focusable && GetFocus() == window ? days->cursor() : -1; }
    // The day's slot in the picture's client pixels.
    RECT daySlot(int index) const;
    // A place of the scene in the picture's client pixels, scaled as the canvas draws it.
    RECT scaled(int x, int y, int width, int height) const;
};

class DayList
{
public:
    explicit DayList(const DaySource &source);
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
    DaySource source;
    IAccessible *object = nullptr;
};

} // namespace ortelana::win32
