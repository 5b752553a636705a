#!/usr/bin/python3
"""The real program read through AT-SPI as Orca reads it: each window and control by name and role,
notes as plain text; Alt+H; Enter on the question Ctrl+Q asks about a typed description records it.
Usage: screen_reader.py KIVRA32. Exits 77 where the accessibility packages are missing."""
import os
import shutil
import subprocess
import sys
import time

if "KIVRA_A11Y_BUS" not in os.environ:  # a session bus of its own starts the accessibility bus
    if not shutil.which("dbus-run-session") or not os.path.exists("/usr/libexec/at-spi-bus-launcher"):
        sys.exit(77)
    os.environ["KIVRA_A11Y_BUS"] = "1"
    sys.exit(subprocess.call(["dbus-run-session", "--", sys.executable, *sys.argv]))
try:
    import pyatspi
except ImportError:
    sys.exit(77)
from x_session import ENV, LOG, TMP, keys, run, start, start_display, type_text

DL = os.path.join(TMP, "tree", "DL")
FAILED = []


def walk(node):
    yield node
    for child in filter(None, node):
        yield from walk(child)


def expect(role, name, description=None):
    for _ in range(75):
        for app in filter(lambda app: app and app.name == "Kivra32", pyatspi.Registry.getDesktop(0)):
            for node in walk(app):
                if node.getRoleName() == role and node.name == name:
                    if description is not None and node.description != description:
                        FAILED.append(f"{role} {name!r} reads {node.description!r}")
                    return node
        time.sleep(0.2)
    FAILED.append(f"no {role} named {name!r}")


def main():
    os.makedirs(DL)
    os.makedirs(os.path.dirname(LOG))
    for name in ("a.zip", "b.zip"):
        open(os.path.join(DL, name), "wb").close()
    with open(LOG, "wb") as f:
        f.write(f"{DL}/a.zip - setup\r\n{TMP}/gone.zip - old\r\n".encode())
    start_display()
    ENV["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
    app = start([sys.argv[1]], cwd=DL)
    for row in [("frame", "Kivra/32"), ("combo box", "Drives"), ("list", "Folders"),
                ("list", "Files"), ("text", "Description"), ("push button", "Quit"),
                ("label", "File/Path: "), ("menu item", "File"), ("menu item", "Help"),
                ("list item", "b.zip", ""), ("list item", "a.zip", "Described: setup")]:
        expect(*row)
    keys("Tab", "Tab", "Down")  # a.zip, from the keyboard
    expect("label", f"File/Path: {DL}/a.zip", "Described: setup")
    keys("ctrl+v")
    for row in [("dialog", "Kivra/32 - View Current"), ("list", "Entries"),
                ("list item", f"{TMP}/gone.zip - old", "No longer exists")]:
        expect(*row)
    expect("push button", "Return").queryAction().doAction(0)
    time.sleep(1)
    keys("alt+h", "Down", "Return")  # Help, About
    expect("dialog", "About Kivra32")
    expect("image", "Kivra/32")
    keys("Escape")
    type_text("two")
    keys("ctrl+q")
    for button in ("Record", "Discard", "Cancel"):
        expect("push button", button)
    keys("Return")
    for _ in range(50):
        time.sleep(0.2 if app.poll() is None else 0)
    with open(LOG, "rb") as f:  # Return in View Current wrote it back sorted
        if app.poll() is None or not f.read().endswith(f"{DL}/a.zip - two\r\n".encode()):
            FAILED.append("Enter on the question did not record and quit")
    print("\n".join(f"FAIL: {failure}" for failure in FAILED) or "PASS")
    sys.exit(1 if FAILED else 0)


run(main)
