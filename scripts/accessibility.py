"""Walks the worksheet's AT-SPI tree and drives it as a screen reader user
would; exits non-zero on the first thing that is not as it should be.

Usage: accessibility.py PROGRAM (on a display, inside a session bus)."""

import ctypes
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

TIMEOUT = 10


def fail(message):
    print("accessibility: " + message, file=sys.stderr)
    sys.exit(1)


def wait_for(what, find):
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        context = GLib.MainContext.default()
        while context.pending():
            context.iteration(False)
        found = find()
        if found:
            return found
        time.sleep(0.05)
    fail("no " + what)


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "lifting-worksheet":
            return app
    return None


def descendants(node):
    for child in node:
        yield child
        yield from descendants(child)


def named(node, name, role=None):
    return [n for n in descendants(node)
            if n.name == name and (role is None or n.getRole() == role)]


def one(node, name, role=None):
    found = named(node, name, role)
    if len(found) != 1:
        fail("%d controls named %r, not one" % (len(found), name))
    return found[0]


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def actions(node):
    action = node.queryAction()
    return [action.getName(i) for i in range(action.nActions)]


def press(node):
    names = actions(node)
    if "Press" not in names:
        fail("%r has no press action: %s" % (node.name, names))
    node.queryAction().doAction(names.index("Press"))


def dialogs(app):
    return [d for d in app if d.getRole() == pyatspi.ROLE_DIALOG]


def enter(app, cell, typed, shown):
    """Presses the cell, types into the prompt it opens and presses OK."""
    press(cell)
    prompt = wait_for("prompt for " + cell.name, lambda: dialogs(app))[0]
    entry = [n for n in descendants(prompt) if n.getRole() == pyatspi.ROLE_TEXT][0]
    entry.queryEditableText().setTextContents(typed)
    press(one(prompt, "OK", pyatspi.ROLE_PUSH_BUTTON))
    wait_for("%s of %s" % (cell.name, shown), lambda: text_of(cell) == shown)
    wait_for("the prompt closed", lambda: not dialogs(app))


# The published dish-washer job: each entry's cell, the text typed, what the
# cell shows; then what CALCULATE gives.
DISH_WASHER = [("L(AVG)", "20", "20"), ("L(Max)", "20", "20"), ("Origin H", "20", "20"),
               ("Origin V", "44", "44"), ("Destination H", "20", "20"),
               ("Destination V", "7", "7"), ("Origin A", "30", "30"),
               ("Destination A", "30", "30"), ("Frequency rate", "5", "5.")]
DISH_WASHER_SAID = "RWL 14.3 and 13.3 lb; lifting index 1.4 and 1.5"


def destroy_window(title):
    """Destroys the window from outside, as another X client can."""
    window = subprocess.run(["xdotool", "search", "--name", title], check=True,
                            capture_output=True, text=True).stdout.split()[0]
    x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    display = ctypes.c_void_p(x11.XOpenDisplay(None))
    x11.XDestroyWindow(display, ctypes.c_ulong(int(window)))
    x11.XSync(display, 0)


def main():
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    program = subprocess.Popen([sys.argv[1]], env=env)
    try:
        check(program)
    finally:
        if program.poll() is None:
            program.kill()


def check(program):
    app = wait_for("worksheet on the accessibility bus", application)
    window = app[0]
    if window.getRole() != pyatspi.ROLE_FRAME:
        fail("the window's role is " + window.getRoleName())
    for frame in ("System Metric", "Work Duration", "Coupling Multiplier"):
        if one(window, frame).getRole() != pyatspi.ROLE_PANEL:
            fail(frame + " is not a grouping")
    # Decorations and the credit outside the sheet are not read out.
    for sign in ("*", "=", "/"):
        if named(window, sign):
            fail("the sign %r is read out" % sign)
    if len(named(window, "Quellmark")) != 1:
        fail("the credit outside the sheet is read out")

    cell = one(window, "Origin V", pyatspi.ROLE_TEXT)
    vm = one(window, "VM at origin", pyatspi.ROLE_TEXT)
    if not cell.getState().contains(pyatspi.STATE_FOCUSABLE):
        fail("the origin V cell cannot take the focus")
    # Captions that take a click are named by what they do; an entry's caption
    # is no Tab stop, its cell is.
    for caption in ("Enter origin V", "HM advice", "Vertical distance note"):
        if "Press" not in actions(one(window, caption)):
            fail("the caption %r cannot be pressed" % caption)
    if one(window, "Enter origin V").getState().contains(pyatspi.STATE_FOCUSABLE):
        fail("the origin V caption is a Tab stop beside its cell")
    for shown_only in ("HM *", "V"):
        if named(window, shown_only):
            fail("a caption is named %r, not by what it does" % shown_only)
    changes = []
    pyatspi.Registry.registerEventListener(
        lambda event: changes.append((event.source.name, event.type, event.any_data)),
        "object:text-changed")
    said = []
    pyatspi.Registry.registerEventListener(
        lambda event: said.append((event.source.getRole(), event.source.name))
        if event.detail1 else None, "object:state-changed:showing")

    press(cell)
    prompt = wait_for("prompt", lambda: dialogs(app))[0]
    if prompt.name != "Hand Locations(in)":
        fail("the prompt is titled %r" % prompt.name)
    entry = [n for n in descendants(prompt) if n.getRole() == pyatspi.ROLE_TEXT][0]
    entry.queryEditableText().setTextContents("30")
    press(one(prompt, "OK", pyatspi.ROLE_PUSH_BUTTON))

    wait_for("origin V of 30", lambda: text_of(cell) == "30")
    wait_for("VM of 1.00", lambda: text_of(vm) == "1.00")
    wait_for("text-changed event of the origin V cell",
             lambda: ("Origin V", "object:text-changed:insert", "30") in changes)
    wait_for("the prompt closed", lambda: not dialogs(app))

    # CALCULATE says its results once, and cells it prints again as they
    # were (the load constant) say nothing.
    for name, typed, shown in DISH_WASHER:
        enter(app, one(window, name, pyatspi.ROLE_TEXT), typed, shown)
    del changes[:]
    del said[:]
    press(one(window, "CALCULATE", pyatspi.ROLE_PUSH_BUTTON))
    wait_for("the results said", lambda: said)
    wait_for("text-changed event of the origin RWL cell",
             lambda: ("RWL at origin", "object:text-changed:insert", "14.3") in changes)
    if said != [(pyatspi.ROLE_NOTIFICATION, DISH_WASHER_SAID)]:
        fail("CALCULATE said %r" % said)
    unchanged = [c for c in changes if c[0] in ("LC at origin", "LC at destination")]
    if unchanged:
        fail("cells printed again as they were sent %r" % unchanged)

    # The program ends with its window, however the window goes.
    destroy_window("Job Analysis Worksheet")
    try:
        program.wait(TIMEOUT)
    except subprocess.TimeoutExpired:
        fail("the program runs on without its window")
    print("accessibility: the worksheet reads and works over AT-SPI")


main()
