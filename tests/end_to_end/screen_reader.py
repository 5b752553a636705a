#!/usr/bin/python3
"""The real program read through AT-SPI as Orca reads it: each window and control by its name and
role, descriptions as plain text; Alt+H, and Enter on the question Ctrl+Q asks with text typed.
Exits 77 where the accessibility packages are missing.

Usage: screen_reader.py KIVRA32
"""
import os
import shutil
import subprocess
import sys
import time

if "KIVRA_A11Y_BUS" not in os.environ:
    # A session bus of its own, which starts the accessibility bus when asked.
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
LOGGED = f"{DL}/a.zip - setup\r\n{TMP}/gone.zip - old\r\n".encode()
FAILED = []


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def expect(role, name, description=None):
    """Waits for an accessible of `role` named `name`; checks its description."""
    for _ in range(75):
        for app in pyatspi.Registry.getDesktop(0):
            for node in walk(app) if app is not None and app.name == "Kivra32" else ():
                if node.getRoleName() == role and node.name == name:
                    if description is not None and node.description != description:
                        FAILED.append(f"{role} {name!r} reads {node.description!r}")
                    return node
        time.sleep(0.2)
    FAILED.append(f"no {role} named {name!r}")
    return None


def main():
    os.makedirs(DL)
    os.makedirs(os.path.dirname(LOG))
    for name in ("a.zip", "b.zip"):
        open(os.path.join(DL, name), "wb").close()
    with open(LOG, "wb") as f:
        f.write(LOGGED)
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
    expect("dialog", "Kivra/32 - View Current")
    expect("list", "Entries")
    expect("list item", f"{TMP}/gone.zip - old", "No longer exists")
    expect("push button", "Return").queryAction().doAction(0)
    time.sleep(0.5)
    keys("alt+h", "Down", "Return")  # Help, About
    expect("dialog", "About Kivra32")
    expect("image", "Kivra/32")
    keys("Escape")
    time.sleep(0.5)
    type_text("two")
    keys("ctrl+q")
    for button in ("Record", "Discard", "Cancel"):
        expect("push button", button)
    keys("Return")
    for _ in range(50):
        if app.poll() is None:
            time.sleep(0.2)
    with open(LOG, "rb") as f:  # Return in View Current wrote it back sorted
        if app.poll() is None or not f.read().endswith(f"{DL}/a.zip - two\r\n".encode()):
            FAILED.append("Enter on the question did not record and quit")
    print("\n".join(f"FAIL: {failure}" for failure in FAILED) or "PASS")
    sys.exit(1 if FAILED else 0)


run(main)
