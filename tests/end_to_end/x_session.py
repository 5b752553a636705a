"""A private X server with openbox for the end-to-end tests, a scratch home, and xdotool."""
import os
import shlex
import shutil
import subprocess
import tempfile
import time

TMP = tempfile.mkdtemp(prefix="kivra-e2e-")
ENV = dict(os.environ, HOME=TMP, XDG_DATA_HOME=os.path.join(TMP, "data"),
           XDG_CONFIG_HOME=os.path.join(TMP, "config"), XDG_RUNTIME_DIR=os.path.join(TMP, "run"))
for name in ("QT_QPA_PLATFORM", "QT_QPA_PLATFORMTHEME", "XDG_CURRENT_DESKTOP"):
    ENV.pop(name, None)
os.makedirs(ENV["XDG_RUNTIME_DIR"], mode=0o700)
LOG = os.path.join(ENV["XDG_DATA_HOME"], "Kivra32", "KVtemp.dat")
DL = os.path.join(TMP, "tree", "DL")  # a.zip and b.zip, empty
os.makedirs(DL)
for name in ("a.zip", "b.zip"):
    open(os.path.join(DL, name), "wb").close()
PROCS = []


def start(argv, **kwargs):
    proc = subprocess.Popen(argv, env=ENV, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                            **kwargs)
    PROCS.append(proc)
    return proc


def wait_until(what, found, timeout=30):  # generous for a slow CI; the normal path polls fast
    deadline = time.monotonic() + timeout
    while not (result := found()):
        if time.monotonic() > deadline:
            raise TimeoutError(what)
        time.sleep(0.05)
    return result


def start_display():
    read_fd, write_fd = os.pipe()
    start(["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
          pass_fds=(write_fd,))
    os.close(write_fd)
    ENV["DISPLAY"] = ":" + os.read(read_fd, 16).decode().strip()
    ready = os.path.join(TMP, "wm-ready")  # openbox runs its startup command once it manages
    start(["openbox", "--startup", "touch " + shlex.quote(ready)])
    wait_until("openbox did not start", lambda: os.path.exists(ready))


def xdo(*args, check=True):
    result = subprocess.run(["xdotool", *args], env=ENV, capture_output=True, text=True)
    # A key that did not go out would only show later as a wrong log: stop at once.
    if check and result.returncode != 0:
        raise RuntimeError(f"xdotool {' '.join(args)}: {result.stderr.strip()}")
    return result


def search(title):
    return xdo("search", "--onlyvisible", "--name", f"^{title}$", check=False).stdout.split()


def focus(title):
    """The window titled so, activated and holding the keyboard: keys sent after go to it."""
    wid = wait_until(f"no window titled {title!r}", lambda: search(title))[-1]
    xdo("windowactivate", "--sync", wid, check=False)
    wait_until(f"{title!r} has no focus", lambda: xdo("getwindowfocus").stdout.strip() == wid)


def gone(title):
    wait_until(f"window {title!r} did not close", lambda: not search(title))


# Keys and text reach the focused window in the order sent; only a new window needs waiting for.
def keys(*names):
    xdo("key", "--clearmodifiers", *names)


def run(main):
    try:
        main()
    finally:
        for proc in reversed(PROCS):
            proc.kill()
            proc.wait()
        shutil.rmtree(TMP, ignore_errors=True)
