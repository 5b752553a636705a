"""AT-SPI as a screen reader reads the desktop, for the end-to-end tests that need it."""
import os
import shutil
import subprocess
import sys


def on_own_bus(*programs):
    """pyatspi, with this script run again on a session bus of its own, which starts the
    accessibility bus; exits 77 where that bus, pyatspi or one of PROGRAMS is missing."""
    if "KIVRA_A11Y_BUS" not in os.environ:
        if (not shutil.which("dbus-run-session") or not all(map(shutil.which, programs))
                or not os.path.exists("/usr/libexec/at-spi-bus-launcher")):
            sys.exit(77)
        os.environ["KIVRA_A11Y_BUS"] = "1"
        sys.exit(subprocess.call(["dbus-run-session", "--", sys.executable, *sys.argv]))
    try:
        import pyatspi
    except ImportError:
        sys.exit(77)
    return pyatspi


def node(app_name, test):
    """The first node of the application APP_NAME that passes TEST, or None."""
    import pyatspi
    for app in pyatspi.Registry.getDesktop(0):
        if app and app.name == app_name and (found := pyatspi.findDescendant(app, test)):
            return found
