#!/usr/bin/python3
"""The window as a screen reader finds it through AT-SPI, on an X server of its
own (offscreen offers no AT-SPI); run under dbus-run-session, given the program."""
import os, subprocess, sys, tempfile, time
import gi
gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib
sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "support"))
import heard

Role = Atspi.Role
CONTROLS = {Role.PUSH_BUTTON, Role.TEXT, Role.COMBO_BOX, Role.CHECK_BOX, Role.PAGE_TAB, Role.PROGRESS_BAR}
failures, events = [], []


def wait_for(event, what, again=lambda: None):
    """Waits for `event` (type, role, name), doing `again` each second meanwhile."""
    for tick in range(1500):
        if tick % 50 == 0:
            again()
        GLib.MainContext.default().iteration(False)
        if event in events:
            return
        time.sleep(0.02)
    failures.append(f"{what}; last events: {events[-4:]}")


def descendants(node):
    for child in (node.get_child_at_index(i) for i in range(node.get_child_count())):
        yield child
        if child.get_role() != Role.COMBO_BOX:  # not its list of items
            yield from descendants(child)


def heard_name(control):
    """As Orca says it: by its labels that are not its ancestors, else by its name."""
    ancestors, up = [], control
    while up := up.get_parent():
        ancestors.append(up)
    labels = [r.get_target(i).get_name() for r in control.get_relation_set()
              if r.get_relation_type() == Atspi.RelationType.LABELLED_BY
              for i in range(r.get_n_targets()) if r.get_target(i) not in ancestors]
    return " ".join(labels) or control.get_name()


def keys(*keysyms, control=False):
    Atspi.generate_keyboard_event(4 * control, None, Atspi.KeySynthType.LOCKMODIFIERS)
    for keysym in keysyms:
        Atspi.generate_keyboard_event(keysym, None, Atspi.KeySynthType.SYM)
    Atspi.generate_keyboard_event(4 * control, None, Atspi.KeySynthType.UNLOCKMODIFIERS)


def record(event):
    try:
        events.append((event.type, event.source.get_role(), event.source.get_name()))
    except GLib.Error:  # gone already, as the splash window
        pass


home = tempfile.TemporaryDirectory()
x = subprocess.Popen(["Xvfb", "-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "1280x800x24"],
                     stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
os.environ.update(DISPLAY=":" + x.stdout.readline().decode().strip(), XDG_RUNTIME_DIR=home.name)
# The AT-SPI registry, started on demand, synthesises clicks and keys on it.
Gio.bus_get_sync(Gio.BusType.SESSION).call_sync(
    "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "UpdateActivationEnvironment",
    GLib.Variant("(a{ss})", ({"DISPLAY": os.environ["DISPLAY"]},)), None, Gio.DBusCallFlags.NONE, -1)
Atspi.init()
listener = Atspi.EventListener.new(record)
for kind in ("object:state-changed:focused", "object:state-changed:showing"):
    listener.register(kind)
app = subprocess.Popen([sys.argv[1], "--emulator", home.name], env=dict(
    os.environ, HOME=home.name, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
try:
    wait_for(("object:state-changed:showing", Role.PROGRESS_BAR, "Progress"), "no main window")
    controls = [c for a in descendants(Atspi.get_desktop(0)) if a.get_name() == "Orvik 2.0 Configurator"
                for c in descendants(a) if c.get_role() in CONTROLS]
    names = [heard_name(c) for c in controls]
    twice, missing = {n for n in names if names.count(n) > 1}, set(heard.NAMED) - set(names)
    if "" in names or twice or missing:
        failures.append(f"{names.count('')} unnamed, said twice: {twice}, missing: {missing}")
    control = {(c.get_role(), c.get_name()): c for c in controls}

    # A click on the selected tab gives the tabs the focus; Right chooses the next.
    box = control[Role.PAGE_TAB, "Device settings"].get_extents(Atspi.CoordType.SCREEN)
    wait_for(("object:state-changed:focused", Role.PAGE_TAB_LIST, "Device settings"), "the tabs took no focus",
             lambda: Atspi.generate_mouse_event(box.x + box.width // 2, box.y + box.height // 2, "b1c"))
    keys(0xff53)  # Right
    wait_for(("object:state-changed:focused", Role.PAGE_TAB, "Network settings"), "the tab took no focus")
    keys(0xfe20, 0xfe20)  # Shift+Tab twice
    wait_for(("object:state-changed:focused", Role.PUSH_BUTTON, "Write config"), "not on Write config")
    for fault, line in heard.WRITES:
        with open(os.path.join(home.name, "faults"), "w") as faults:
            faults.write(fault)
        keys(0xff0d)  # Enter
        wait_for(("object:state-changed:showing", Role.NOTIFICATION, line), f"not announced: {line}")
    keys(0xff56, control=True)  # Ctrl+PageDown, which leaves the focus where it is
    wait_for(("object:state-changed:showing", Role.NOTIFICATION, "Telnet access"), "the tab not announced")
finally:
    for process in (app, x):
        process.terminate()
        process.wait()
print("\n".join(failures) or "passed")
sys.exit(1 if failures else 0)
