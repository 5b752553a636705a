#!/usr/bin/env python3
"""Walks the road of one description through the real program, under Xvfb with openbox:
describe a file and a directory, View Current (Ctrl+V from the description box), delete an entry,
Return, export to RTF, About, quit; then checks the log's bytes and the RTF read back by LibreOffice.

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


def wait_for_window(title, timeout=20):
    deadline = time.time() + timeout
    while time.time() < deadline:
        found = xdo("search", "--onlyvisible", "--name", f"^{title}$", check=False)
        if found:
            wid = found.splitlines()[-1]
            xdo("windowactivate", "--sync", wid, check=False)
            time.sleep(0.4)
            return wid
        time.sleep(0.1)
    fail(f"no window titled {title!r}")


def wait_gone(title, timeout=10):
    deadline = time.time() + timeout
    while time.time() < deadline:
        if not xdo("search", "--onlyvisible", "--name", f"^{title}$", check=False):
            return
        time.sleep(0.1)
    fail(f"window {title!r} did not close")


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


def log_bytes():
    path = os.path.join(ENV["XDG_DATA_HOME"], "Kivra32", "KVtemp.dat")
    with open(path, "rb") as f:
        return f.read()


def expect_log(lines, when):
    want = b"".join(line.encode() + b"\r\n" for line in lines)
    got = log_bytes()
    if got != want:
        fail(f"{when}: the log holds {got!r}, expected {want!r}")


def read_rtf_with_libreoffice(rtf):
    out = os.path.join(TMP, "lo-out")
    subprocess.run(["soffice", f"-env:UserInstallation=file://{TMP}/lo-profile", "--headless",
                    "--convert-to", "txt:Text (encoded):UTF8", "--outdir", out, rtf],
                   env=ENV, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                   timeout=180)
    with open(os.path.join(out, "export.txt"), encoding="utf-8-sig") as f:
        return f.read().split("\n")


def main():
    tree = os.path.join(TMP, "tree")
    dl = os.path.join(tree, "DL")
    docs = os.path.join(dl, "Docs")
    os.makedirs(docs)
    for path in (os.path.join(dl, "a.zip"), os.path.join(dl, "b.zip"), os.path.join(docs, "memo.txt")):
        open(path, "wb").close()
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

    # The focus starts on the drive list: Tab, Tab reaches the file list.
    keys("Tab", "Tab", "Down")  # a.zip is current; the box has the focus
    type_text("setup of the scanner")
    keys("shift+Tab", "Down")  # b.zip: a.zip's description is recorded
    expect_log([f"{dl}/a.zip - setup of the scanner"], "after the first file")

    keys("shift+Tab", "shift+Tab", "Down", "Return")  # open Docs
    type_text("letters and memos")
    keys("shift+Tab", "Down")  # memo.txt records the directory
    expect_log([f"{dl}/a.zip - setup of the scanner", f"{docs} - letters and memos"],
               "after the directory")

    type_text("typed before ctrl v")
    keys("ctrl+v")
    wait_for_window("Kivra/32 - View Current")
    shot("view-current")
    # The list has the focus; the tab order runs Return, Delete Entry, Clear All.
    keys("Down", "Up")  # select the first entry: a.zip sorts before Docs
    keys("Tab", "Tab", "space")  # Delete Entry
    keys("shift+Tab", "space")  # Return
    wait_gone("Kivra/32 - View Current")
    expect_log([f"{docs} - letters and memos"], "after Return")

    # Back in the main window the box still holds its text, and nothing was pasted into it.
    keys("shift+Tab", "shift+Tab", "Up", "Return")  # back to DL
    expect_log([f"{docs} - letters and memos", f"{docs}/memo.txt - typed before ctrl v"],
               "after leaving Docs")

    out = os.path.join(TMP, "out")
    os.makedirs(out)
    rtf = os.path.join(out, "export.rtf")
    keys("ctrl+s")
    wait_for_window("Save As")
    shot("save-as")
    keys("ctrl+a")
    type_text(rtf)
    keys("Return")
    wait_gone("Save As")
    deadline = time.time() + 10
    while not os.path.exists(rtf) and time.time() < deadline:
        time.sleep(0.1)
    if not os.path.exists(rtf):
        fail("the export was not written")

    main_window = wait_for_window("Kivra/32")
    xdo("mousemove", "--window", main_window, "45", "10", "click", "1")
    time.sleep(0.5)
    keys("Down", "Return")  # the first enabled item of Help: About
    wait_for_window("About Kivra32")
    shot("about")
    keys("Escape")
    wait_gone("About Kivra32")

    wait_for_window("Kivra/32")
    keys("ctrl+q")
    try:
        app.wait(timeout=10)
    except subprocess.TimeoutExpired:
        fail("Ctrl+Q did not end the program")

    final = [f"{docs} - letters and memos", f"{docs}/memo.txt - typed before ctrl v"]
    expect_log(final, "after quitting")
    text = read_rtf_with_libreoffice(rtf)
    while text and text[-1] == "":
        text.pop()
    if text != final:
        fail(f"the RTF reads back as {text!r}, expected {final!r}")
    print("PASS: screenshots in", SHOTS)


try:
    main()
finally:
    for proc in reversed(PROCS):
        if proc.poll() is None:
            proc.terminate()
            try:
                proc.wait(timeout=5)
            except subprocess.TimeoutExpired:
                proc.kill()
    shutil.rmtree(TMP, ignore_errors=True)
