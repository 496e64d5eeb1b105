#!/usr/bin/python3
"""Walks the window as a screen reader does, over AT-SPI on a private session bus: every
control that takes the focus has a name and a role a screen reader knows, the gear and
the position readouts say what they are, and the About and History dialogs open by
their menus' keys and are walked the same way. Prints the controls it met.

    screen_reader_walk.py PROGRAM

Exits 77 (skipped) without Debian's python3-pyatspi, at-spi2-core, dbus, xvfb or
xdotool.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

SKIPPED = 77
ON_PRIVATE_BUS = "SHIFTER_ON_PRIVATE_BUS"
# A label takes the focus where its text can be selected, as in a message box.
FOCUSABLE_ROLES = {"push button", "text", "spin button", "check box", "radio button",
                   "combo box", "menu item", "check menu item", "link", "list", "table",
                   "table cell", "tree table", "page tab", "slider", "toggle button", "label"}
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAILED: " + what)


def wait_for(find, what, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.2)
    raise RuntimeError("timed out waiting for " + what)


def tree(node):
    yield node
    for child in node:
        if child is not None:
            yield from tree(child)


def text_of(node):
    try:
        return node.queryText().getText(0, -1)
    except NotImplementedError:
        return ""


def walk_focusable(frame):
    """Prints and checks every shown control of `frame` that takes the focus."""
    import pyatspi
    print(f"{frame.getRoleName()} '{frame.name}':")
    for node in tree(frame):
        state = node.getState()
        if state.contains(pyatspi.STATE_FOCUSABLE) and state.contains(pyatspi.STATE_SHOWING):
            role = node.getRoleName()
            print(f"  {role:12} '{node.name}'  {node.description}")
            check(node.name.strip(), f"a {role} in '{frame.name}' has no name")
            check(role in FOCUSABLE_ROLES, f"'{node.name}' has the role {role}")


def named(root, role, pattern):
    return [n for n in tree(root) if n.getRoleName() == role and re.fullmatch(pattern, n.name)]


def press(window, *keys):
    """Types keys into the program's window. A menu item's action would wait for the
    dialog it opens to close, so dialogs are opened by keys, as a reader's user does."""
    [shown] = subprocess.run(["xdotool", "search", "--pid", str(window.pid), "--onlyvisible",
                              "--name", "calibration"], capture_output=True, text=True,
                             check=True).stdout.split()
    subprocess.run(["xdotool", "windowfocus", "--sync", shown, "key", "--delay", "100", *keys],
                   check=True)


def dialogs(application):
    return [c for c in application if c and c.getRoleName() in ("dialog", "alert")]


def open_dialog(application, window, item, keys):
    """Opens a dialog by its menu's keys, walks it and closes it."""
    press(window, *keys)
    dialog = wait_for(lambda: dialogs(application), f"the dialog of {item}")[0]
    walk_focusable(dialog)
    [close] = [n for n in tree(dialog)
               if n.getRoleName() == "push button" and n.name in ("OK", "Close")]
    close.queryAction().doAction(0)
    wait_for(lambda: not dialogs(application), f"the dialog of {item} to close")


def walk(program):
    import pyatspi
    data = tempfile.mkdtemp()
    environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
                       LANGUAGE="en", XDG_DATA_HOME=data, XDG_CONFIG_HOME=data)
    window = subprocess.Popen([program, "--simulate", "--keep-history"], env=environment)
    try:
        application = wait_for(
            lambda: [a for a in pyatspi.Registry.getDesktop(0)
                     if a and a.name == os.path.basename(program)], "the program")[0]
        frame = wait_for(lambda: [f for f in application if f and "calibration" in f.name],
                         "the connected window")[0]
        wait_for(lambda: named(frame, "label", r"Gear \S+"), "the gear")
        walk_focusable(frame)
        for role, pattern in (("label", r"Gear \S+"), ("label", r"Lever X \d+"),
                              ("label", r"Lever Y \d+"),
                              ("filler", r"Lever position X \d+, Y \d+")):
            found = named(frame, role, pattern)
            check(found, f"no {role} reads '{pattern}'")
            print(f"  {role:12} '{found[0].name if found else ''}'  (read, not focused)")
        open_dialog(application, window, "Help > About", ["alt+h", "a"])
        open_dialog(application, window, "Adaptor > History...", ["alt+a", "h"])
        press(window, "alt+f", "q")
        check(window.wait(timeout=20) == 0, "the program did not end well after Quit")
    finally:
        if window.poll() is None:
            window.kill()
        shutil.rmtree(data, ignore_errors=True)
    return 1 if failures else 0


def main():
    program = os.path.abspath(sys.argv[1])
    if os.environ.get(ON_PRIVATE_BUS):
        return walk(program)
    try:
        import pyatspi  # noqa: F401
    except ImportError:
        pyatspi = None
    tools = ("dbus-run-session", "xvfb-run", "xdotool", "/usr/libexec/at-spi-bus-launcher")
    if pyatspi is None or not all(shutil.which(tool) for tool in tools):
        print("skipped: needs python3-pyatspi, at-spi2-core, dbus and xvfb")
        return SKIPPED
    # The bus, the accessibility bus it starts and the X display end with the walk.
    return subprocess.run(["timeout", "-k", "5", "120", "dbus-run-session", "--", "xvfb-run",
                           "-a", "-s", "-screen 0 1280x1024x24", sys.executable, __file__,
                           program], env=dict(os.environ, **{ON_PRIVATE_BUS: "1"})).returncode


if __name__ == "__main__":
    sys.exit(main())
