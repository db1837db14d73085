#!/usr/bin/python3
"""The window through AT-SPI, on an X server of its own; under dbus-run-session, given the program."""
import os, pathlib, subprocess, sys, tempfile, time
import gi
gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib
sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "support"))
import heard

Role, FOCUSED, SHOWN = Atspi.Role, "object:state-changed:focused", "object:state-changed:showing"
CONTROLS = {Role.PUSH_BUTTON, Role.TEXT, Role.COMBO_BOX, Role.CHECK_BOX, Role.PAGE_TAB, Role.PROGRESS_BAR}
RIGHT, ENTER, SHIFT_TAB, TAB, PAGE_UP, CONTROL = 0xff53, 0xff0d, 0xfe20, 0xff09, 0xff55, 4
failures, events = [], []


def wait_until(seen, what, again=lambda: None):  # `again` each second meanwhile
    for tick in range(1500):
        if tick % 50 == 0:
            again()
        GLib.MainContext.default().iteration(False)
        if seen():
            return
        time.sleep(0.02)
    failures.append(f"not seen: {what}; last: {events[-3:]}")


def wait_for(event, again=lambda: None):  # (type, role, name)
    wait_until(lambda: event in events, event, again)


def keys(*keysyms, modifiers=0):
    Atspi.generate_keyboard_event(modifiers, None, Atspi.KeySynthType.LOCKMODIFIERS)
    for keysym in keysyms:
        Atspi.generate_keyboard_event(keysym, None, Atspi.KeySynthType.SYM)
    Atspi.generate_keyboard_event(modifiers, None, Atspi.KeySynthType.UNLOCKMODIFIERS)


def descendants(node):
    for child in (node.get_child_at_index(i) for i in range(node.get_child_count())):
        yield child
        if child.get_role() != Role.COMBO_BOX:  # not its list of items
            yield from descendants(child)


def heard_name(control):  # as Orca: by its labels (not the group box it stands in), else by its name
    labels = [r.get_target(i) for r in control.get_relation_set()
              if r.get_relation_type() == Atspi.RelationType.LABELLED_BY for i in range(r.get_n_targets())]
    return " ".join(t.get_name() for t in labels if t.get_role() == Role.LABEL) or control.get_name()


def record(event):
    try:
        events.append((event.type, event.source.get_role(), event.source.get_name()))
    except GLib.Error:  # gone already, as the splash window
        pass


home = tempfile.TemporaryDirectory()
x = subprocess.Popen(["Xvfb", "-displayfd", "1", "-nolisten", "tcp"], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
os.environ.update(DISPLAY=":" + x.stdout.readline().decode().strip(), XDG_RUNTIME_DIR=home.name, HOME=home.name,
                  QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")  # offscreen has no AT-SPI
# The AT-SPI registry, started on demand, synthesises clicks and keys on it.
subprocess.run(["dbus-update-activation-environment", "DISPLAY"], check=True)
Atspi.init()
listener = Atspi.EventListener.new(record)
listener.register(FOCUSED), listener.register(SHOWN)
app = subprocess.Popen([sys.argv[1], "--emulator", home.name])
try:
    # Looked for, not waited on as an event: the window may show before the
    # program's bridge to the accessibility bus is up, and that event is lost.
    controls = []

    def look():
        try:
            found = [c for a in descendants(Atspi.get_desktop(0)) if a.get_name() == "Orvik 2.0 Configurator"
                     for c in descendants(a) if c.get_role() in CONTROLS]
        except GLib.Error:  # a window going, as the splash window
            return
        if any(c.get_role() == Role.PROGRESS_BAR and c.get_state_set().contains(Atspi.StateType.SHOWING)
               for c in found):
            controls[:] = found
    wait_until(lambda: controls, "the window's progress bar", look)
    names = [heard_name(c) for c in controls]
    twice, missing = {n for n in names if names.count(n) > 1}, set(heard.NAMED) - set(names)
    if "" in names or twice or missing:
        failures.append(f"{names.count('')} unnamed, said twice: {twice}, missing: {missing}")
    locator = next(c for c in controls if heard_name(c) == heard.PLACE[0])
    if (Atspi.Text.get_text(locator, 0, -1), locator.get_description()) != heard.PLACE[1:]:
        failures.append(f"locator: {Atspi.Text.get_text(locator, 0, -1)!r}, {locator.get_description()!r}")

    # A click on the selected tab gives the tabs the focus; Right chooses the next.
    tab = next(c for c in controls if c.get_name() == "Device settings").get_extents(Atspi.CoordType.SCREEN)
    wait_for((FOCUSED, Role.PAGE_TAB_LIST, "Device settings"),
             lambda: Atspi.generate_mouse_event(tab.x + tab.width // 2, tab.y + tab.height // 2, "b1c"))
    keys(RIGHT)
    wait_for((FOCUSED, Role.PAGE_TAB, "Network settings"))
    keys(SHIFT_TAB, SHIFT_TAB)
    wait_for((FOCUSED, Role.PUSH_BUTTON, "Write config"))
    for fault, line in heard.WRITES:
        pathlib.Path(home.name, "faults").write_text(fault)
        keys(ENTER)
        wait_for((SHOWN, Role.NOTIFICATION, line))
    # The focus stays on the button; a field's fault is heard as it is typed.
    keys(PAGE_UP, modifiers=CONTROL)
    wait_for((SHOWN, Role.NOTIFICATION, "Device settings"))
    wait_for((FOCUSED, Role.TEXT, "Latitude:"), lambda: keys(TAB))  # by name, not by count
    keys(ord(heard.FAULT[0]))
    wait_for((SHOWN, Role.NOTIFICATION, heard.FAULT[1]))
finally:
    for process in (app, x):
        process.terminate(), process.wait()
sys.exit("\n".join(failures) or None)
