#!/usr/bin/python3
"""file_manager.py KIVRA32 ACTION: Nemo, with the package's action installed for the user, right-
clicked on files and a folder as a user clicks: "Describe with Kivra/32" is in the menu, and its
click starts the program where none runs and hands the item to the running window where one does.
Exits 77 where Nemo or the accessibility packages are missing."""
import os
import shutil
import sys

from a11y import node, on_own_bus

pyatspi = on_own_bus("nemo")  # on a bus of its own: Nemo, AT-SPI and the handover
# Only on that bus: x_session makes the run's scratch home as it is imported.
from x_session import (DL, ENV, LOG, TMP, focus, keys, run, search, start, start_display,
                       wait_until, xdo)

MENU_ITEM = "Describe with Kivra/32"


def extents(accessible):
    return accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)


def placed(role, name):
    """A node shown on screen: the menus Nemo keeps built but hidden read the same otherwise."""
    def test(n):
        return (n.getRoleName() == role and n.name == name
                and n.getState().contains(pyatspi.STATE_SHOWING) and extents(n).x >= 0)
    return test


def click(x, y, button):
    xdo("mousemove", "--sync", str(x), str(y))
    xdo("click", button)


def describe_from_nemo(name):
    """A right-click on NAME's name in Nemo's list, then a click on the program's item."""
    focus("DL")
    row = wait_until(f"Nemo shows no {name!r}", lambda: node("nemo", placed("table cell", name)))
    # On the name itself: a click beside it is one on the folder's background.
    first = row.queryText().getCharacterExtents(1, pyatspi.DESKTOP_COORDS)
    box = extents(row)
    click(first[0], box.y + box.height // 2, "3")
    item = wait_until(f"no {MENU_ITEM!r} in the menu of {name!r}",
                      lambda: node("nemo", placed("menu item", MENU_ITEM)))
    at = extents(item)
    click(at.x + at.width // 2, at.y + at.height // 2, "1")


def shown(path):
    """The running window's File/Path label once it reads PATH."""
    label = "File/Path: " + path
    return wait_until(f"Kivra/32 does not show {path}", lambda: node(
        "Kivra32", lambda n: n.getRoleName() == "label" and n.name == label))


def main():
    # The action as the package installs it, for this user; the program found on PATH as installed.
    actions = os.path.join(ENV["XDG_DATA_HOME"], "nemo", "actions")
    os.makedirs(actions)
    shutil.copy(sys.argv[2], actions)
    bin_dir = os.path.join(TMP, "bin")
    os.makedirs(bin_dir)
    os.symlink(sys.argv[1], os.path.join(bin_dir, "kivra32"))
    ENV["PATH"] = bin_dir + os.pathsep + ENV["PATH"]
    ENV["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"  # Nemo passes its environment on
    folder = os.path.join(DL, "with 'quotes' and spaces")
    os.makedirs(folder)
    start_display()
    start(["nemo", "--no-desktop", DL])
    focus("DL")
    keys("ctrl+2")  # the list: its rows say where they are, the icon view's do not

    # None runs: the click starts one, showing the file.
    describe_from_nemo("b.zip")
    shown(f"{DL}/b.zip")
    focus("Kivra/32")
    xdo("type", "--delay", "20", "from the menu")
    # One runs: it makes the next item current as a click would, recording what its box held.
    describe_from_nemo("a.zip")
    shown(f"{DL}/a.zip")
    wait_until("the running window recorded nothing", lambda: os.path.exists(LOG) and
               open(LOG, "rb").read() == f"{DL}/b.zip - from the menu\r\n".encode())
    describe_from_nemo(os.path.basename(folder))
    shown(folder)
    if len(search("Kivra/32")) != 1:
        raise AssertionError("the menu opened a second window")
    print("file manager passes")


run(main)
