#!/usr/bin/python3
"""The real program read through a real AT-SPI client, as a screen reader reads it.

Runs build/ortelana in a session of ortelana-session --x11 --a11y --opener (a private
Xvfb, a private session bus whose accessibility bus answers, a stand-in opener) with
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1, reads it with python3-pyatspi and presses real
keys through XTest (xdotool).  Usage: tst_atspi.py PROGRAM
"""
import os
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "session"))
import xkeys  # noqa: E402

PROGRAM = os.path.abspath(sys.argv[1])

failures = []
focused = []   # names of the objects that announced the focus, in order


def check(what, seen, expected):
    if seen != expected:
        failures.append(f"{what}: {seen!r}, expected {expected!r}")
        print("FAIL", what, repr(seen), "expected", repr(expected), flush=True)
    else:
        print("ok  ", what, flush=True)


def pump(seconds, until=lambda: False):
    context = GLib.MainContext.default()
    end = time.time() + seconds
    while time.time() < end:
        while context.iteration(False):
            pass
        if until():
            return True
        time.sleep(0.03)
    return until()


renamed = []   # names announced by name-changed events


def on_focus(event):
    if event.detail1 == 1:
        focused.append(event.source.name)


def on_name(event):
    renamed.append(event.source.name)


def find(root, role, name=None, timeout=10):
    """The first object under `root` with this role (and name), waited for."""
    found = [None]

    def look():
        found[0] = pyatspi.findDescendant(
            root, lambda o: o is not None and o.getRole() == role and (name is None or o.name == name))
        return found[0] is not None
    pump(timeout, look)
    return found[0]


def key(*keys):
    subprocess.run(["xdotool", "key", "--clearmodifiers", "--delay", "60"] + [xkeys.pressed(k) for k in keys],
                   check=True, timeout=20)


def wait_focus(name):
    """The accessible focus reaches the object `name` (the last announcement)."""
    pump(10, lambda: focused and focused[-1] == name)
    return focused[-1] if focused else None


def weekday(y, m, d):
    """Monday = 0, by counting days in the Gregorian calendar carried back to year 1."""
    def days(y):   # days of the years 1 .. y-1
        y -= 1
        return 365 * y + y // 4 - y // 100 + y // 400
    before = sum([31, 29 if (y % 4 == 0 and y % 100 != 0) or y % 400 == 0 else 28, 31, 30, 31, 30,
                  31, 31, 30, 31, 30, 31][:m - 1])
    return (days(y) + before + d - 1) % 7   # 1 January of year 1 is a Monday


WEEKDAYS = ["понедельник", "вторник", "среда", "четверг", "пятница", "суббота", "воскресенье"]
MONTHS = ["января", "февраля", "марта", "апреля", "мая", "июня", "июля", "августа", "сентября",
          "октября", "ноября", "декабря"]


def day_name(y, m, d, shift=0):
    return f"{WEEKDAYS[(weekday(y, m, d) + shift) % 7]}, {d} {MONTHS[m - 1]} {y} года"


work = tempfile.mkdtemp()
log = os.environ["ORTELANA_OPENED"]
env = {k: v for k, v in os.environ.items() if k not in (
    "QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "XDG_CURRENT_DESKTOP", "QT_SCALE_FACTOR")}
env.update(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
program = None
try:
    program = subprocess.Popen([PROGRAM, "--year", "2005"], cwd=work, env=env)
    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
    pyatspi.Registry.registerEventListener(on_name, "object:property-change:accessible-name")
    desktop = pyatspi.Registry.getDesktop(0)
    app = None
    pump(20, lambda: any(a is not None and a.name == "ortelana" for a in desktop))
    app = next((a for a in desktop if a is not None and a.name == "ortelana"), None)
    if app is None:
        raise SystemExit("FAIL: the program never appeared on the accessibility bus: "
                         + repr([a.name for a in desktop if a is not None]))
    window = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Ортелана$"],
                            capture_output=True, text=True, timeout=20).stdout.split()
    if not window:
        raise SystemExit("FAIL: no window «Ортелана»")
    subprocess.run(["xdotool", "windowfocus", "--sync", window[0]], timeout=20)

    sheet = find(app, pyatspi.ROLE_LIST, "Календарь")
    if sheet is None:
        raise SystemExit("FAIL: no list «Календарь»")
    old_style = find(app, pyatspi.ROLE_CHECK_BOX, "Старый стиль")

    def show(year):
        """Types the year into the year box and confirms it, as a user would.  The box
        is looked up each time: a confirmed year announces it as a new object."""
        find(app, pyatspi.ROLE_TEXT, "Год").queryComponent().grabFocus()
        pump(0.3)
        key("ctrl+a")
        subprocess.run(["xdotool", "type", "--clearmodifiers", "--delay", "40", str(year)], check=True)
        key("Return")
        return pump(5, lambda: sheet.description.startswith(f"Календарь на {year} год"))

    def names():
        return [sheet.getChildAtIndex(i).name for i in range(sheet.childCount)]

    # 2005: the worked example.
    check("2005 is shown", sheet.description, "Календарь на 2005 год")
    cells = names()
    check("2005 days", len(cells), 365)
    check("1 January 2005", cells[0], "суббота, 1 января 2005 года")
    check("9 May 2005", cells[31 + 28 + 31 + 30 + 8], "понедельник, 9 мая 2005 года, День Победы")
    check("31 December 2005", cells[-1], "суббота, 31 декабря 2005 года")
    first = sheet.getChildAtIndex(0)
    check("a cell's role", first.getRole(), pyatspi.ROLE_LIST_ITEM)
    table = sheet.queryTable()
    check("rows and columns", (table.nRows, table.nColumns), (7, 72))
    check("row header", table.getRowDescription(5), "суббота")
    check("column header", table.getColumnDescription(24), "Май")
    check("cell at Saturday, January's first column", table.getAccessibleAt(5, 0).name, cells[0])
    box = first.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    whole = sheet.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    check("a cell's slot is 22 x 16", (box.width, box.height), (22, 16))
    check("1 January's slot on the sheet (Saturday row, first column)",
          (box.x - whole.x, box.y - whole.y), (2 + 4 + 22, 2 + 16 * 6))

    # A leap year's 29 February, then 1917 and 9 999 999.
    show(2024)
    cells = names()
    check("a cell read before is renamed", pump(5, lambda: day_name(2024, 1, 1) in renamed), True)
    check("2024 days", len(cells), 366)
    check("29 February 2024", cells[59], "четверг, 29 февраля 2024 года")
    show(1917)
    check("1 January 1917, box checked", sheet.getChildAtIndex(0).name, day_name(1917, 1, 1))
    old_style.queryComponent().grabFocus()
    pump(0.3)
    key("space")
    pump(5, lambda: sheet.description == "Календарь на 1917 год")
    check("1 January 1917, box unchecked: the Sunday row", sheet.getChildAtIndex(0).name,
          "воскресенье, 1 января 1917 года")
    show(9999999)
    check("1 January 9 999 999", sheet.getChildAtIndex(0).name, day_name(9999999, 1, 1))
    check("31 December 9 999 999", sheet.getChildAtIndex(364).name, day_name(9999999, 12, 31))

    # The day cursor: Tab from the year box to the sheet, then the keys.
    show(2005)
    key("Tab")
    check("Tab: the cursor's day has the focus", wait_focus(day_name(2005, 1, 1)), day_name(2005, 1, 1))
    moves = [("Down", (1, 2)), ("Right", (1, 9)), ("End", (1, 31)), ("Down", (2, 1)), ("Left", (1, 25)),
             ("Home", (1, 1)), ("ctrl+End", (12, 31)), ("Up", (12, 30)), ("ctrl+Home", (1, 1)),
             ("Right", (1, 8))]
    for pressed, (m, d) in moves:
        key(pressed)
        check(f"{pressed} to {d}.{m}", wait_focus(day_name(2005, m, d)), day_name(2005, m, d))
    key("ctrl+End", "Down", "Right")   # the year's end holds
    pump(1)
    check("the year's end holds", focused[-1], day_name(2005, 12, 31))
    key("Next")
    check("Page Down keeps day and month", wait_focus(day_name(2006, 12, 31)), day_name(2006, 12, 31))
    check("Page Down steps the year", sheet.description, "Календарь на 2006 год")

    # The week numbers window on May 2005.
    show(2005)
    key("F4")
    weeks = find(app, pyatspi.ROLE_DIALOG, "Номера недель")
    check("the week numbers window is modal", weeks is not None and weeks.getState().contains(pyatspi.STATE_MODAL),
          True)
    key("Down", "Down", "Down", "Down")
    picture = find(weeks, pyatspi.ROLE_LIST, "Номера недель")
    pump(5, lambda: picture.description == "Дни и номера недель: Май")
    month = [picture.getChildAtIndex(i).name for i in range(picture.childCount)]
    check("May 2005 weeks", [n for n in month if n.startswith("неделя")], [f"неделя {w}" for w in range(18, 24)])
    check("9 May 2005 in the week window", month[8], "понедельник, 9 мая 2005 года, День Победы, неделя 20")
    key("Escape")

    # The About window's link, opened by its press action.  The menu opens with a click
    # on its title (its items' own action would wait for the modal window).
    title = find(app, pyatspi.ROLE_MENU_ITEM, "Меню").queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(title.x + title.width // 2), str(title.y + title.height // 2),
                    "click", "1"], check=True, timeout=20)
    pump(0.5)
    key("Down", "Down", "Down", "Return")
    about = find(app, pyatspi.ROLE_DIALOG, "О программе")
    check("the About window is modal", about is not None and about.getState().contains(pyatspi.STATE_MODAL), True)
    link = find(about, pyatspi.ROLE_LINK)
    check("the link", (link.name, link.description), ("Вечный календарь", "https://ortelana.example.org/"))
    actions = link.queryAction()
    check("the link's action", actions.getName(0), "Press")
    actions.doAction(0)
    page = os.path.join(work, "0.html")
    pump(10, lambda: os.path.exists(log))
    opened = open(log).read().strip() if os.path.exists(log) else ""
    check("the press writes 0.html and opens it", (os.path.exists(page), opened.endswith("0.html")), (True, True))
    named = [o.name for o in pyatspi.findAllDescendants(about, lambda o: o is not None and o.name)]
    check("the flag and the emblem are named",
          [n for n in named if n.startswith(("Флаг", "Эмблема"))],
          ["Эмблема: солнце над листком календаря", "Флаг России: белая, синяя и красная полосы"])
    banner = find(app, pyatspi.ROLE_LABEL, "Ортелана")
    check("the banner's text", (banner.queryText().getText(0, -1), banner.childCount) if banner else None,
          ("Ортелана", 0))
finally:
    if program:
        program.kill()
        program.wait()

if failures:
    print(len(failures), "failed")
    sys.exit(1)
print("all passed")
