#!/usr/bin/env python3
"""The real program under Xvfb with openbox, driven by keys and clicks: describe two files,
View Current (Ctrl+V from the description box), delete an entry, Return, export through the real
Save As dialog, Help by F1, quit; the log's and the export's bytes are checked.

Usage: one_description.py KIVRA32 SCREENSHOT_DIR
"""
import os
import shutil
import subprocess
import sys
import time

from x_session import DL, ENV, LOG, TMP, keys, run, start, start_display, type_text, xdo as run_xdo

KIVRA32, SHOTS = sys.argv[1], sys.argv[2]
os.makedirs(SHOTS, exist_ok=True)


def fail(message):
    print("FAIL:", message, flush=True)
    shot("failure")
    sys.exit(1)


def xdo(*args, check=True):
    result = run_xdo(*args, check=False)  # told here, with a screenshot
    if check and result.returncode != 0:
        fail(f"xdotool {' '.join(args)}: {result.stderr.strip()}")
    return result.stdout.strip()


def wait_until(what, found, timeout=20):
    deadline = time.time() + timeout
    while time.time() < deadline:
        result = found()
        if result:
            return result
        time.sleep(0.1)
    fail(what)


def search(title):
    return xdo("search", "--onlyvisible", "--name", f"^{title}$", check=False)


def wait_for_window(title):
    wid = wait_until(f"no window titled {title!r}", lambda: search(title)).splitlines()[-1]
    xdo("windowactivate", "--sync", wid, check=False)
    time.sleep(0.4)
    return wid


def wait_gone(title):
    wait_until(f"window {title!r} did not close", lambda: not search(title))


def shot(name):
    if "DISPLAY" in ENV:
        subprocess.run(["import", "-window", "root", os.path.join(SHOTS, f"{name}.png")], env=ENV,
                       stderr=subprocess.DEVNULL)


def expect_log(lines, when, path=None):
    with open(path or LOG, "rb") as f:
        got = f.read()
    want = b"".join(line.encode() + b"\r\n" for line in lines)
    if got != want:
        fail(f"{when}: {got!r}, expected {want!r}")


def main():
    bindir = os.path.join(TMP, "bin")  # the program runs as a copy of its own, started in the tree
    os.makedirs(bindir)
    program = shutil.copy(KIVRA32, os.path.join(bindir, "kivra32"))

    start_display()

    app = start([program], cwd=DL)
    wait_for_window("Kivra/32")
    shot("main-window")

    a, b = f"{DL}/a.zip - setup of the scanner", f"{DL}/b.zip - its driver"
    keys("Tab", "Tab", "Down")  # from the drive list to the file list: a.zip, the box has the focus
    type_text("setup of the scanner")
    keys("shift+Tab", "Down")  # b.zip: a.zip's description is recorded
    type_text("its driver")
    keys("shift+Tab", "Up")  # a.zip again: b.zip's is recorded
    expect_log([a, b], "after two files")

    keys("ctrl+v")
    wait_for_window("Kivra/32 - View Current")
    shot("view-current")
    # The list has the focus; the tab order runs Return, Delete Entry, Clear All.
    keys("Down", "Up")  # select the first entry
    keys("Tab", "Tab", "space")  # Delete Entry
    keys("shift+Tab", "space")  # Return
    wait_gone("Kivra/32 - View Current")
    expect_log([b], "after Return")

    exported = os.path.join(TMP, "export.txt")
    keys("ctrl+s")
    wait_for_window("Save As")
    shot("save-as")
    keys("ctrl+a")
    type_text(exported)
    keys("Return")
    wait_gone("Save As")
    wait_until("the export was not written", lambda: os.path.exists(exported))
    expect_log([b], "the export", exported)

    wait_for_window("Kivra/32")
    keys("F1")
    wait_for_window("Kivra32 Help")
    keys("Escape")
    wait_gone("Kivra32 Help")

    wait_for_window("Kivra/32")
    keys("ctrl+q")
    wait_until("Ctrl+Q did not end the program", lambda: app.poll() is not None, 10)
    print("PASS: screenshots in", SHOTS)


run(main)
