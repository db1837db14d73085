#!/usr/bin/python3
"""The window as a screen reader finds it through AT-SPI: every control
named, the tab chosen with the keyboard taking the focus, and the line that
ends a write announced. Runs under dbus-run-session with the program as its
argument; starts an X server of its own, as the offscreen platform offers no
AT-SPI."""
import os, subprocess, sys, tempfile, time
import gi
gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib
sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "support"))
import heard

CONTROLS = {Atspi.Role.PUSH_BUTTON, Atspi.Role.TEXT, Atspi.Role.COMBO_BOX, Atspi.Role.CHECK_BOX,
            Atspi.Role.PAGE_TAB, Atspi.Role.PROGRESS_BAR}
failures, events = [], []


def wait_for(condition, what, again=lambda: None):
    """Waits for `condition`, doing `again` each second meanwhile."""
    end, next_try = time.monotonic() + 30, 0
    while time.monotonic() < end:
        if time.monotonic() > next_try:
            again()
            next_try = time.monotonic() + 1
        GLib.MainContext.default().iteration(False)
        if found := condition():
            return found
        time.sleep(0.02)
    failures.append(f"{what}; last events: {events[-4:]}")


def descendants(node):
    for child in (node.get_child_at_index(i) for i in range(node.get_child_count())):
        yield child
        if child.get_role() != Atspi.Role.COMBO_BOX:  # not its list of items
            yield from descendants(child)


def heard_name(control):
    """As Orca says it: by its labels that are not its ancestors, else by its name."""
    ancestors, up = [], control.get_parent()
    while up:
        ancestors.append(up)
        up = up.get_parent()
    labels = [r.get_target(i).get_name() for r in control.get_relation_set()
              if r.get_relation_type() == Atspi.RelationType.LABELLED_BY
              for i in range(r.get_n_targets()) if r.get_target(i) not in ancestors]
    return " ".join(labels) or control.get_name()


def record(event):
    try:
        events.append((event.type, event.source.get_role(), event.source.get_name()))
    except GLib.Error:  # gone already, as the splash window
        pass


home = tempfile.TemporaryDirectory()
x = subprocess.Popen(["Xvfb", "-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "1280x800x24"],
                     stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
os.environ.update(DISPLAY=":" + x.stdout.readline().decode().strip(), XDG_RUNTIME_DIR=home.name)
# The accessibility bus and its registry start on demand; the registry
# synthesises the clicks and keys on this X server.
Gio.bus_get_sync(Gio.BusType.SESSION).call_sync(
    "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
    "UpdateActivationEnvironment", GLib.Variant("(a{ss})", ({"DISPLAY": os.environ["DISPLAY"]},)),
    None, Gio.DBusCallFlags.NONE, -1)
Atspi.init()
listener = Atspi.EventListener.new(record)
listener.register("object:state-changed:focused")
listener.register("object:state-changed:showing")
app = subprocess.Popen([sys.argv[1], "--emulator", home.name], env=dict(
    os.environ, HOME=home.name, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
try:
    window = wait_for(lambda: next((w for a in descendants(Atspi.get_desktop(0))
                                    if a.get_name() == "Orvik 2.0 Configurator"
                                    for w in descendants(a) if w.get_name().startswith("Orvik 2.0 Configurator v")),
                                   None), "no main window")
    controls = [c for c in descendants(window) if c.get_role() in CONTROLS]
    names = [heard_name(c) for c in controls]
    twice, missing = {n for n in names if names.count(n) > 1}, set(heard.NAMED) - set(names)
    if "" in names or twice or missing:
        failures.append(f"{names.count('')} unnamed, said twice: {twice}, missing: {missing}")

    def control(role, name):
        return next(c for c in controls if c.get_role() == role and c.get_name() == name)

    # A click on the selected tab gives the tabs the focus; Right chooses the next.
    box = control(Atspi.Role.PAGE_TAB, "Device settings").get_extents(Atspi.CoordType.SCREEN)
    wait_for(lambda: ("object:state-changed:focused", Atspi.Role.PAGE_TAB_LIST, "Device settings") in events,
             "the tabs did not take the focus",
             lambda: Atspi.generate_mouse_event(box.x + box.width // 2, box.y + box.height // 2, "b1c"))
    Atspi.generate_keyboard_event(0xff53, None, Atspi.KeySynthType.SYM)  # Right
    wait_for(lambda: ("object:state-changed:focused", Atspi.Role.PAGE_TAB, "Network settings") in events,
             "the chosen tab did not take the focus")

    for fault, line in (("", heard.WRITTEN), (heard.REFUSED_PAGE_FAULT, heard.REFUSED_PAGE)):
        with open(os.path.join(home.name, "faults"), "w") as faults:
            faults.write(fault)
        control(Atspi.Role.PUSH_BUTTON, "Write config").do_action(0)
        wait_for(lambda: ("object:state-changed:showing", Atspi.Role.NOTIFICATION, line) in events,
                 f"not announced: {line}")
finally:
    for process in (app, x):
        process.terminate()
        process.wait()
print("\n".join(failures) or "passed")
sys.exit(1 if failures else 0)
