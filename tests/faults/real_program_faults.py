"""The real Quintrela, with a fault planted in its folder: a consultation is
typed at the keyboard, and every message box it shows is read off the
accessibility bus and closed (OK), or answered yes, in order. Arguments: the texts each box must
contain; TYPE stands where the consultation is typed, EXPORT where Ctrl+E
exports to the suggested file."""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib


def pump(seconds, until):
    end = time.time() + seconds
    context = GLib.MainContext.default()
    while time.time() < end:
        while context.iteration(False):
            pass
        found = until()
        if found:
            return found
        time.sleep(0.05)
    return None


def tree(node):
    yield node
    for child in node:
        if child is not None:
            yield from tree(child)


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Quintrela":
            return app
    return None


def box_saying(app, text):
    """The OK button of a shown box whose text holds `text`, or None."""
    for window in app:
        if window is None or window.getRoleName() not in ("dialog", "alert"):
            continue
        labels = [n.name for n in tree(window) if n.getRoleName() == "label"]
        if any(text in label for label in labels):
            buttons = [n for n in tree(window) if n.getRoleName() == "push button"]
            return next((b for b in buttons if b.name in ("OK", "Sim")), None)
    return None


def main():
    app = pump(20, application)
    if app is None:
        sys.exit("FAIL: Quintrela never appeared")
    for expected in sys.argv[1:]:
        if expected in ("TYPE", "EXPORT"):
            time.sleep(0.5)  # the box gone, the window takes the keys again
            wid = subprocess.run(["xdotool", "search", "--sync", "--name", "Quintrela Eletr"],
                                 check=True, capture_output=True, text=True).stdout.split()[0]
            subprocess.run(["xdotool", "windowfocus", "--sync", wid], check=True)
            if expected == "TYPE":
                subprocess.run(["xdotool", "type", "--delay", "30", "Maria\t01/03/2001\t28\r"], check=True)
            else:
                # Ctrl+E, and the save dialog's suggested name taken as it opens.
                subprocess.run(["xdotool", "key", "ctrl+e"], check=True)
                time.sleep(2)
                subprocess.run(["xdotool", "key", "Return"], check=True)
            continue
        ok = pump(15, lambda: box_saying(app, expected))
        if ok is None:
            shown = [[n.name for n in tree(w) if n.getRoleName() == "label"] for w in app if w is not None]
            sys.exit("FAIL: no box saying %r; shown: %r" % (expected, shown))
        print("told:", expected)
        ok.queryAction().doAction(0)
        time.sleep(0.3)
    print("PASS")


main()
