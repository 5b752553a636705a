#!/usr/bin/env python3
"""The real program under Xvfb with openbox, driven by keys and clicks: describe two files,
View Current (Ctrl+V from the description box), delete an entry, Return, export through the real
Save As dialog, About from the menu, Help by F1, quit; the log's and the export's bytes are checked.

Usage: one_description.py KIVRA32 SCREENSHOT_DIR
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

KIVRA32, SHOTS = sys.argv[1], sys.argv[2]
os.makedirs(SHOTS, exist_ok=True)
TMP = tempfile.mkdtemp(prefix="kivra-e2e-")
ENV = dict(os.environ, HOME=TMP, XDG_DATA_HOME=os.path.join(TMP, "data"),
           XDG_CONFIG_HOME=os.path.join(TMP, "config"), XDG_RUNTIME_DIR=os.path.join(TMP, "run"))
ENV.pop("QT_QPA_PLATFORM", None)
os.makedirs(ENV["XDG_RUNTIME_DIR"], mode=0o700)
PROCS = []


def fail(message):
    print("FAIL:", message, flush=True)
    shot("failure")
    sys.exit(1)


def start(argv, **kwargs):
    proc = subprocess.Popen(argv, env=ENV, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                            **kwargs)
    PROCS.append(proc)
    return proc


def xdo(*args, check=True):
    result = subprocess.run(["xdotool", *args], env=ENV, capture_output=True, text=True)
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


def keys(*names):
    for name in names:
        xdo("key", "--clearmodifiers", name)
        time.sleep(0.25)


def type_text(text):
    xdo("type", "--delay", "30", text)
    time.sleep(0.3)


def shot(name):
    if "DISPLAY" in ENV:
        subprocess.run(["import", "-window", "root", os.path.join(SHOTS, f"{name}.png")], env=ENV,
                       stderr=subprocess.DEVNULL)


def expect_log(lines, when, path=None):
    with open(path or os.path.join(ENV["XDG_DATA_HOME"], "Kivra32", "KVtemp.dat"), "rb") as f:
        got = f.read()
    want = b"".join(line.encode() + b"\r\n" for line in lines)
    if got != want:
        fail(f"{when}: {got!r}, expected {want!r}")


def main():
    dl = os.path.join(TMP, "tree", "DL")
    os.makedirs(dl)
    for name in ("a.zip", "b.zip"):
        open(os.path.join(dl, name), "wb").close()
    # The program runs as a copy of its own, started in the tree.
    bindir = os.path.join(TMP, "bin")
    os.makedirs(bindir)
    program = shutil.copy(KIVRA32, os.path.join(bindir, "kivra32"))

    read_fd, write_fd = os.pipe()
    start(["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
          pass_fds=(write_fd,))
    os.close(write_fd)
    ENV["DISPLAY"] = ":" + os.read(read_fd, 16).decode().strip()
    start(["openbox"])
    time.sleep(1.0)

    app = start([program], cwd=dl)
    wait_for_window("Kivra/32")
    shot("main-window")

    a, b = f"{dl}/a.zip - setup of the scanner", f"{dl}/b.zip - its driver"
    # The focus starts on the drive list: Tab, Tab reaches the file list.
    keys("Tab", "Tab", "Down")  # a.zip is current; the box has the focus
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

    main_window = wait_for_window("Kivra/32")
    xdo("mousemove", "--window", main_window, "45", "10", "click", "1")
    time.sleep(0.5)
    keys("Down", "Down", "Return")  # Help's second item: About
    wait_for_window("About Kivra32")
    shot("about")
    keys("Escape")
    wait_gone("About Kivra32")
    keys("F1")
    wait_for_window("Kivra32 Help")
    keys("Escape")
    wait_gone("Kivra32 Help")

    wait_for_window("Kivra/32")
    keys("ctrl+q")
    wait_until("Ctrl+Q did not end the program", lambda: app.poll() is not None, 10)
    print("PASS: screenshots in", SHOTS)


try:
    main()
finally:
    for proc in reversed(PROCS):
        proc.kill()
        proc.wait()
    shutil.rmtree(TMP, ignore_errors=True)
