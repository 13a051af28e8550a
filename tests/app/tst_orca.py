#!/usr/bin/python3
"""The real program heard through the real screen reader: Orca with its default settings.

Runs build/ortelana and orca in a session of ortelana-session --x11 --a11y (a private
Xvfb, a private session bus whose accessibility bus answers).  Orca gets a private HOME
whose sound goes nowhere (~/.asoundrc: a null ALSA device; speech-dispatcher told to
use ALSA: otherwise espeak-ng blocks on audio and Orca freezes, and the program's keys
with it).  Presses real keys through XTest (xdotool) and reads what Orca says from its
debug file, waiting each time until the speech has settled.  Exits with 77 (skipped)
when orca or speech-dispatcher is missing.
Usage: tst_orca.py PROGRAM [--listen]   (--listen: print what is said, check nothing)
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "session"))
import xkeys  # noqa: E402

SKIP = 77

for tool in ("orca", "xdotool", "speech-dispatcher"):
    if not shutil.which(tool):
        print("SKIP: no", tool)
        sys.exit(SKIP)

PROGRAM = os.path.abspath(sys.argv[1])
LISTEN = "--listen" in sys.argv
HOME = tempfile.mkdtemp(prefix="ortelana-orca-")
children = []


def quiet_home():
    """Orca's environment: a HOME whose sound goes nowhere."""
    with open(os.path.join(HOME, ".asoundrc"), "w") as f:
        f.write("pcm.!default {type null}\n")
    speechd = os.path.join(HOME, ".config", "speech-dispatcher")
    shutil.copytree("/etc/speech-dispatcher", speechd)
    with open(os.path.join(speechd, "speechd.conf"), "a") as f:
        f.write('\nAudioOutputMethod "alsa"\n')
    return dict(os.environ, HOME=HOME, XDG_CONFIG_HOME=os.path.join(HOME, ".config"),
                XDG_DATA_HOME=os.path.join(HOME, ".local", "share"))


SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)' ?\{'established")


def echo(said):
    """Orca's echo of a key ("tab ", "left control "), not what the program gave it."""
    return said.endswith(" ") or not said.strip()


class Orca:
    """Orca started with its default settings; `said()` is everything spoken so far."""

    def __init__(self):
        self.log = os.path.join(HOME, "orca-debug.txt")
        # Orca writes its debug file through a block buffer, so a line can wait for the
        # next key; the real orca runs as it is, with only that file opened line-buffered.
        run = ("import builtins, runpy, sys\n"
               "real = builtins.open\n"
               "def lined(name, mode='r', *rest, **named):\n"
               "    if name == sys.argv[-1] and 'w' in mode:\n"
               "        return real(name, mode, 1)\n"
               "    return real(name, mode, *rest, **named)\n"
               "builtins.open = lined\n"
               "sys.argv = sys.argv[1:]\n"
               "runpy.run_path(sys.argv[0], run_name='__main__')\n")
        self.process = subprocess.Popen(["/usr/bin/python3", "-c", run, shutil.which("orca"), "--replace",
                                         "--debug-file", self.log], env=quiet_home(),
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        children.append(self.process)
        self.heard = 0

    def said(self):
        try:
            with open(self.log, encoding="utf-8", errors="replace") as f:
                return [m.group(1) for m in SPOKEN.finditer(f.read())]
        except OSError:
            return []

    def settle(self, expected="", quiet=2, longest=30):
        """Waits for words that are not a key's echo and, when given, for the expected
        words (Orca may take seconds on a busy machine), then until nothing new has been
        said for `quiet` seconds; returns what was new, without trailing full stops."""
        end = time.time() + longest
        count, since = len(self.said()), time.time()
        while time.time() < end:
            time.sleep(0.1)
            said = self.said()
            if len(said) != count:
                count, since = len(said), time.time()
                continue
            new = [s.rstrip(".") for s in said[self.heard:]]
            if time.time() - since >= quiet and any(not echo(s) for s in new) \
                    and (not expected or any(heard(expected, s) for s in new)):
                break
        new = self.said()[self.heard:count]
        self.heard = count
        return [s.rstrip(".") for s in new]


MAIN = []   # the main window's X id


def key(*keys):
    """Real keys; "@main" gives the main window the input focus, as a window manager
    does when a dialog closes (the session has none)."""
    if LISTEN:
        print(time.strftime("%H:%M:%S"), "keys", keys, flush=True)
    for k in keys:
        if k == "@main":
            subprocess.run(["xdotool", "windowfocus", "--sync", MAIN[0]], timeout=20)
        else:
            subprocess.run(["xdotool", "key", "--delay", "80", xkeys.pressed(k)], check=True, timeout=20)


failures = []
DAY = re.compile(r"\d+ [а-я]+ \d+ года")


def heard(word, said):
    """Whether `said` holds `word`, or one of them when `word` is a tuple of ways a
    version of Orca may put the same thing."""
    return any(w in said for w in word) if isinstance(word, tuple) else word in said


def check(what, seen, day, words):
    """What a listener needs after a step, whatever Orca's version adds (role words,
    key echo, how it groups an utterance): the `day` the cursor landed on is spoken,
    with no other day named before or after it (a row read whole names many), and
    each of the program's `words` is spoken."""
    line = f"{what}: {seen!r}"
    if LISTEN:
        print("heard", line, flush=True)
        return
    said = [s for s in seen if not echo(s)]
    wrong = []
    named = [m.group(0) for s in said for m in DAY.finditer(s)]
    if day is not None:
        if not any(day in s for s in said):
            wrong.append(f"the day {day!r}")
        if any(other not in day for other in named):
            wrong.append(f"no day but {day!r}")
    elif named:
        wrong.append("no day")
    wrong += [f"{w!r}" for w in words if not any(heard(w, s) for s in said)]
    if wrong:
        failures.append(line + ", expected " + ", ".join(wrong))
        print("FAIL", line, "expected", ", ".join(wrong), flush=True)
    else:
        print("ok  ", line, flush=True)


# (what, keys, the day the cursor lands on or None, the program's words said besides).
# Orca's own words (roles, states, key names) are left out: they change between its
# versions and languages.
STEPS = [
    ("Tab to the sheet", ["Tab"], "суббота, 1 января 2005 года", ["Календарь"]),
    ("Down", ["Down"], "воскресенье, 2 января 2005 года", []),
    ("Down into Monday", ["Down"], "понедельник, 3 января 2005 года", []),
    ("Up", ["Up"], "воскресенье, 2 января 2005 года", []),
    ("Right", ["Right"], "воскресенье, 9 января 2005 года", []),
    ("Left", ["Left"], "воскресенье, 2 января 2005 года", []),
    ("End", ["End"], "понедельник, 31 января 2005 года", []),
    ("Home", ["Home"], "суббота, 1 января 2005 года", []),
    ("Ctrl+End", ["ctrl+End"], "суббота, 31 декабря 2005 года", []),
    ("Ctrl+Home", ["ctrl+Home"], "суббота, 1 января 2005 года", []),
    ("Page Down", ["Next"], "воскресенье, 1 января 2006 года", ["2006 н. э.  ГОД СОБАКИ"]),
    ("Page Up", ["Prior"], "суббота, 1 января 2005 года", ["2005 н. э.  ГОД ПЕТУХА"]),
    ("Shift+Tab to the year box", ["shift+Tab"], None, ["Год:", "2005"]),
    ("Page Down in the year box", ["Next"], None, ["2006 н. э.  ГОД СОБАКИ"]),
    ("Page Up in the year box", ["Prior"], None, ["2005 н. э.  ГОД ПЕТУХА"]),
    ("F10", ["F10"], None, ["Меню"]),
    ("Down in the menu", ["Down"], None, ["Номера недель"]),
    ("О программе", ["Down", "Down", "Return"], None,
     ["Автор:", "Электронная почта:", "Сайт: Вечный календарь", "Версия программы: v", "26 августа 2015 год"]),
    ("Tab to the link", ["Tab"], None, ["Вечный календарь"]),
    # The week numbers window is open: Orca names the window, or (Orca 51 at times)
    # only the month list that has the focus.
    ("Esc closes the About window, F4", ["Escape", "@main", "F4"], None, [("Номера недель", "Месяц")]),
    ("Tab to the weeks picture", ["Tab"], "суббота, 1 января 2005 года, неделя 1", ["Номера недель"]),
    ("Down on the weeks", ["Down"], "воскресенье, 2 января 2005 года, неделя 1", []),
    ("Right on the weeks", ["Right"], "воскресенье, 9 января 2005 года, неделя 2", []),
    # Typing waits until the main window is back, as a listening user does.
    ("Esc closes the weeks", ["Escape", "@main"], None, ["Ортелана"]),
    ("1900 and Enter", ["ctrl+a", "1", "9", "0", "0", "Return"], None, ["1900 н. э.  ГОД КРЫСЫ"]),
]
LISTEN_STEPS = STEPS


env = {k: v for k, v in os.environ.items() if k not in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "QT_SCALE_FACTOR")}
env.update(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
work = tempfile.mkdtemp()
try:
    orca = Orca()
    # Orca speaks once it is up; on a busy machine that took minutes, and the steps
    # before it went unheard.  Its first words differ between versions: any will do.
    deadline = time.time() + 300
    while not orca.said() and time.time() < deadline:
        time.sleep(0.5)
    program = subprocess.Popen([PROGRAM, "--year", "2005"], cwd=work, env=env)
    children.append(program)
    deadline = time.time() + 60
    window = []
    while not window and time.time() < deadline:
        window = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Ортелана$"],
                                capture_output=True, text=True, timeout=20).stdout.split()
        time.sleep(0.2)
    if not window:
        raise SystemExit("FAIL: no window «Ортелана»")
    MAIN.append(window[0])
    key("@main")
    # The year box whole: Qt's own interface had Orca say «200».
    check("the year box at start", orca.settle("2005", longest=60), None, ["Год:", "2005"])

    steps = STEPS if not LISTEN else LISTEN_STEPS
    if os.environ.get("ORTELANA_ORCA_STEPS"):   # a few steps by name, for a quick listen
        steps = [s for s in steps if s[0] in os.environ["ORTELANA_ORCA_STEPS"].split(",")]
    for what, keys, day, words in steps:
        key(*keys)
        check(what, orca.settle(day or words[-1], quiet=4 if LISTEN else 2), day, words)
finally:
    for child in reversed(children):
        child.kill()
    shutil.rmtree(work, ignore_errors=True)
    if os.environ.get("ORTELANA_ORCA_KEEP"):
        print("Orca's debug file:", os.path.join(HOME, "orca-debug.txt"))
    else:
        shutil.rmtree(HOME, ignore_errors=True)

if failures:
    print(f"{len(failures)} failed")
    sys.exit(1)
print("all passed")
