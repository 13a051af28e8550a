"""xdotool key names for the Python tests, as tests/session/steps.h sends them: the
function keys go as their keycodes.  xdotool looks a name up in the server's keymap and
may take a level that needs a modifier (with xkb-data 2.48, Debian sid's, its F10 comes
with Alt held and its F4 is Alt+F4, which closes the window); a keycode is the key
alone, and every Xvfb numbers the keys as evdev does."""
import re

_FUNCTION = re.compile(r"F(\d+)")


def pressed(name):
    """`name` as xdotool is to press it."""
    f = _FUNCTION.fullmatch(name)
    if f and 1 <= int(f.group(1)) <= 12:
        n = int(f.group(1))
        return str(66 + n if n <= 10 else 84 + n)
    return name


if __name__ == "__main__":   # for the shell tests: the names given, as pressed
    import sys
    print(" ".join(pressed(name) for name in sys.argv[1:]))
