#!/usr/bin/env python3
"""The real program under Xvfb with openbox, driven by keys and clicks: describe two files, moving
between them from the description box, View Current (Alt+F, C), delete an entry by keys and Tab,
Return, View Current by F9 and Esc, Ctrl+V pasting in the box, export through the real Save As dialog, Help by F1, quit; the log's and the export's
bytes are checked. A failure leaves a screenshot in SCREENSHOT_DIR.

Usage: one_description.py KIVRA32 SCREENSHOT_DIR
"""
import os
import shutil
import subprocess
import sys
from pathlib import Path

from x_session import (DL, ENV, LOG, TMP, focus, gone, keys, run, start, start_display, wait_until,
                       xdo)

KIVRA32, SHOTS = sys.argv[1], sys.argv[2]
os.makedirs(SHOTS, exist_ok=True)


def fail(message):
    print("FAIL:", message, flush=True)
    if "DISPLAY" in ENV:
        subprocess.run(["import", "-window", "root", os.path.join(SHOTS, "failure.png")], env=ENV,
                       stderr=subprocess.DEVNULL)
    sys.exit(1)


def expect_log(lines, when, path=None):
    want, path = b"".join(line.encode() + b"\r\n" for line in lines), Path(path or LOG)
    try:
        wait_until(when, lambda: path.exists() and path.read_bytes() == want)
    except TimeoutError:
        fail(f"{when}: {path.exists() and path.read_bytes()!r}, expected {want!r}")


def main():
    bindir = os.path.join(TMP, "bin")  # the program runs as a copy of its own, started in the tree
    os.makedirs(bindir)
    program = shutil.copy(KIVRA32, os.path.join(bindir, "kivra32"))
    shutil.copy(os.path.join(os.path.dirname(KIVRA32), "kivra32-window.so"), bindir)  # its windows

    start_display()

    app = start([program], cwd=DL)
    focus("Kivra/32")

    a, b = f"{DL}/a.zip - setup of the scanner", f"{DL}/b.zip - its driver"
    # From the drive list to the file list; Down browses to a.zip, Enter goes on to the box.
    keys("Tab", "Tab", "Down", "Return")
    xdo("type", "setup of the scanner")
    keys("Down")  # from the box, b.zip: a.zip's description is recorded
    xdo("type", "its driver")
    keys("Up")  # a.zip again: b.zip's is recorded
    expect_log([a, b], "after two files")

    keys("alt+f", "c")
    focus("Kivra/32 - View Current")
    # The list has the focus; the tab order runs Clear All, Delete Entry, Return as they stand.
    # Down selects the first entry; Delete Entry, then Return.
    keys("Down", "Tab", "Tab", "space", "Tab", "space")
    gone("Kivra/32 - View Current")
    expect_log([b], "after Return")

    focus("Kivra/32")
    keys("F9")  # from the box, where Ctrl+V pastes
    focus("Kivra/32 - View Current")
    keys("Escape")
    gone("Kivra/32 - View Current")
    focus("Kivra/32")
    xdo("type", "x")
    keys("ctrl+a", "ctrl+x", "ctrl+v", "ctrl+v", "Down")
    pasted = f"{DL}/a.zip - xx"
    expect_log([b, pasted], "after a paste")

    exported = os.path.join(TMP, "export.txt")
    focus("Kivra/32")
    keys("ctrl+s")
    focus("Save As")
    keys("ctrl+a")
    xdo("type", exported)
    keys("Return")
    gone("Save As")
    expect_log([b, pasted], "the export", exported)

    focus("Kivra/32")
    keys("F1")
    focus("Kivra32 Help")
    keys("Escape")
    gone("Kivra32 Help")

    focus("Kivra/32")
    keys("ctrl+q")
    wait_until("Ctrl+Q did not end the program", lambda: app.poll() is not None)
    print("PASS", flush=True)


def checked():
    try:
        main()
    except (TimeoutError, RuntimeError) as error:  # a window that never came, a key not sent
        fail(str(error))


run(checked)
