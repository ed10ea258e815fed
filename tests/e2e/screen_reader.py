#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads one of the running program's windows through AT-SPI, as Orca does,
checks it against what its widgets are called (the table AccessibleNames
prints, in the language both run in) and prints what it read.

usage: screen_reader.py window|chooser NAMES PID

window:  the main window is a frame named by its title, and every control in
         it has its name and description.
chooser: the same of Select Files, which has the keyboard; its place list is a
         combo box with the current place as its text, and Up and Down are told
         as the new place coming as selected text (which Orca speaks), the name
         staying and the keyboard's focus told nowhere else.
"""
import os
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

# What each window is on AT-SPI, and which control holds the places.
WINDOW_ROLES = {"Form1": "frame", "frmSelectOneFile": "dialog"}
PLACE_LIST = "Drive1"


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def load(path):
    """The windows and their controls as the widgets name them."""
    windows = {}
    for row in open(path, encoding="utf-8"):
        kind, obj, name, description = row.rstrip("\n").split("\t")
        if kind == "window":
            window = windows[obj] = {"name": name, "description": description, "controls": {}}
        else:
            window["controls"][obj] = {"name": name, "description": description}
    return windows


def deliver():
    """Hands the events that have come to the listeners."""
    while GLib.MainContext.default().iteration(False):
        pass


def until(seconds, probe):
    """Waits for probe() to answer, delivering AT-SPI's events meanwhile."""
    deadline = time.monotonic() + seconds
    while not (found := probe()) and time.monotonic() < deadline:
        deliver()
        time.sleep(0.05)
    return found


def text_of(obj):
    if "Text" not in obj.get_interfaces():
        return None
    return Atspi.Text.get_text(obj, 0, Atspi.Text.get_character_count(obj))


def told(obj):
    """One line of what a screen reader is told of obj."""
    line = '%s "%s" — %s' % (obj.get_role_name(), obj.get_name(), obj.get_description())
    text = text_of(obj)
    return line if text is None else line + ' [text: "%s"]' % text


def children(obj):
    return [obj.get_child_at_index(i) for i in range(obj.get_child_count())]


def window_named(pid, name):
    for app in children(Atspi.get_desktop(0)):
        if app and app.get_process_id() == pid:
            return next((w for w in children(app) if w.get_name() == name
                         and w.get_state_set().contains(Atspi.StateType.SHOWING)), None)
    return None


def check_window(expected, role, window):
    print(told(window))
    if window.get_role_name() != role:
        fail('"%s" is a %s, not a %s' % (expected["name"], window.get_role_name(), role))
    if window.get_description() != expected["description"]:
        fail('"%s" is described as "%s"' % (expected["name"], window.get_description()))
    controls = children(window)
    for control in controls:
        print("    " + told(control))
    found = {}
    for obj, wanted in expected["controls"].items():
        control = next((c for c in controls if c.get_name() == wanted["name"]), None)
        if control is None:
            fail('no control named "%s" (%s)' % (wanted["name"], obj))
        # The alarm time's description goes on with its wake-up plan of the moment.
        description = control.get_description()
        if description != wanted["description"] and not description.startswith(wanted["description"] + " "):
            fail('"%s" is described as "%s", not "%s"' % (wanted["name"], description, wanted["description"]))
        found[obj] = control
    return found


def hear(event, heard):
    """Notes the place list's new text, and whatever else claims the focus."""
    on_places = event.source.get_role_name() == "combo box"
    if event.type.startswith("object:text-changed") and on_places:
        heard["text"].append((event.type.split(":")[-1], event.any_data))
    elif event.type.startswith("object:state-changed:focused") and event.detail1 and not on_places:
        heard["focus"].append('%s "%s"' % (event.source.get_role_name(), event.source.get_name()))


def press_and_hear(key, places, heard, expect):
    """Presses key in the place list, which must tell its new text, selected
    (Orca speaks it so), while nothing else claims the focus."""
    heard["text"].clear()
    heard["focus"].clear()
    subprocess.run(["xdotool", "key", key], check=True)
    if not until(60, lambda: any(change == "insert" and expect(text) for change, text in heard["text"])):
        fail("after %s the place list told %s, its text is %s" % (key, heard["text"], text_of(places)))
    # All the program told of the key came before its answer to this question.
    text = text_of(places)
    deliver()
    print("    %s: told %s; now %s" % (key, heard["text"], told(places)))
    if not expect(text):
        fail("after %s the place list's text is %s" % (key, text))
    # The other way round, Orca says "Selection deleted" before the place.
    if heard["text"][0][0] != "insert":
        fail("after %s the old place's going was told before the new place" % key)
    selected = Atspi.Text.get_selection(places, 0)
    if (selected.start_offset, selected.end_offset) != (0, len(text)):
        fail("the new place is not selected text: %d to %d" % (selected.start_offset, selected.end_offset))
    if heard["focus"]:
        fail("after %s the focus was told to have moved to %s" % (key, heard["focus"]))


def main():
    part, names, pid = sys.argv[1], sys.argv[2], int(sys.argv[3])
    Atspi.init()
    expected = load(names)
    window_class = "Form1" if part == "window" else "frmSelectOneFile"
    wanted = expected[window_class]

    heard = {"text": [], "focus": []}
    if part == "chooser":
        # Registered before the window is read, so that the program has learnt
        # of the listener by the time a key is pressed: it is told first.
        listener = Atspi.EventListener.new(lambda event: hear(event, heard))
        listener.register("object:text-changed")
        listener.register("object:state-changed:focused")

    window = until(60, lambda: window_named(pid, wanted["name"]))
    if not window:
        fail('no window named "%s" on the accessibility bus' % wanted["name"])
    controls = check_window(wanted, WINDOW_ROLES[window_class], window)
    if part == "window":
        print("PASS: the main window is a frame, every control has its name and description")
        return

    places = controls[PLACE_LIST]
    home = os.environ["HOME"]
    if places.get_role_name() != "combo box":
        fail("the place list is a " + places.get_role_name())
    if not places.get_state_set().contains(Atspi.StateType.FOCUSED):
        fail("the place list does not have the keyboard")
    if not (text_of(places) or "").startswith(home):
        fail("the place list reads %s, not the home folder %s" % (text_of(places), home))
    press_and_hear("Up", places, heard, lambda text: text == "/")
    press_and_hear("Down", places, heard, lambda text: (text or "").startswith(home))
    places.clear_cache()
    if places.get_name() != wanted["controls"][PLACE_LIST]["name"]:
        fail('the place list came to be named "%s"' % places.get_name())
    print("PASS: Select Files is a dialog, every control has its name and description; "
          "the place list is named for what it is for, its text is the place, and a new place is told")


if __name__ == "__main__":
    main()
