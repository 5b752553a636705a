#!/usr/bin/python3
"""screen_reader.py KIVRA32: the program read through AT-SPI as Orca reads it, each window and control
by name and role, notes as plain text. Exits 77 where the accessibility packages are missing."""
import os
import sys

from a11y import node, on_own_bus

pyatspi = on_own_bus()
# Only on that bus: x_session makes the run's scratch home as it is imported.
from x_session import (DL, ENV, LOG, TMP, focus, gone, keys, run, start, start_display, wait_until,
                       xdo)

FAILED = []
# The names as read in the language the test runs in (LANGUAGE, as the CTest entry sets it).
NAMES = {"Kivra/32": "Kivra/32", "Drives": "Laufwerke", "Folders": "Ordner", "Files": "Dateien",
         "Description": "Beschreibung", "Quit": "Beenden", "File/Path: ": "Pfad: ", "File": "Datei",
         "View": "Ansicht", "Help": "Hilfe", "Described: setup": "Beschrieben: setup",
         "Kivra/32 - View Current": "Kivra/32 - Einträge anzeigen", "Entries": "Einträge",
         "No longer exists": "Nicht mehr vorhanden", "Return": "Zurück",
         "About Kivra32": "Über Kivra32", "Import": "Importieren", "Code page:": "Codepage:",
         "Cyrillic (DOS, CP866)": "Kyrillisch (DOS, CP866)", "guessed": "geraten",
         "Cyrillic (Windows-1251)": "Kyrillisch (Windows-1251)", "chosen": "gewählt",
         "First entries, as they will be written": "Erste Einträge, wie sie geschrieben werden"
         } if os.environ.get("LANGUAGE") == "de" else {}


def tr(text):
    return NAMES.get(text, text)


def expect(role, name, description=None):
    """The node once it reads as expected; else the failure is noted and the run goes on."""
    def found():
        found = node("Kivra32", lambda n: n.getRoleName() == role and n.name == name)
        if found and description in (None, found.description):
            return found
    reading = "" if description is None else f" reading {description!r}"
    try:
        return wait_until(f"no {role} named {name!r}{reading}", found)
    except TimeoutError as error:
        FAILED.append(str(error))


def read_find_moved():
    """Find Moved In Folder from View Current, by keys: its proposal read as Orca reads it, then
    confirmed by Enter; the entry shows where its item went."""
    moved = os.path.join(TMP, "moved")
    os.makedirs(moved)
    open(os.path.join(moved, "gone.zip"), "wb").close()
    names = {"Find Moved": "Verschobene suchen", "Find Moved In": "Verschobene suchen in",
             "Moved items": "Verschobene Elemente",
             "The only item of this name": "Das einzige Element dieses Namens"}
    local = (lambda text: names[text]) if os.environ.get("LANGUAGE") == "de" else (lambda text: text)
    keys("ctrl+shift+m")
    focus(local("Find Moved In"))
    xdo("type", "--delay", "20", moved)
    keys("Return")
    expect("dialog", local("Find Moved"))
    expect("tree", local("Moved items"))
    for cell in (f"{TMP}/gone.zip", f"{moved}/gone.zip", local("The only item of this name")):
        expect("table cell", cell)
    focus(local("Find Moved"))
    keys("Return")
    gone(local("Find Moved"))
    expect("list item", f"{moved}/gone.zip - old")


def import_preview():
    """Ctrl+I on a DESCRIPT.ION in CP866: the preview's controls read by name, the code page changed
    by keys and the entries read again, Enter leaving the log as it was."""
    with open(os.path.join(DL, "descript.ion"), "wb") as f:
        f.write("a.zip основная часть".encode("cp866"))
    with open(LOG, "rb") as f:
        before = f.read()
    focus("Kivra/32")
    keys("ctrl+i")
    focus(tr("Import"))
    xdo("type", os.path.join(DL, "descript.ion"))
    keys("Return")
    # A list reads as its current text, its label through a relation.
    for role, name, *description in [
            ("dialog", "Kivra32"), ("combo box", os.path.join(DL, "descript.ion")),
            ("label", "Code page:"), ("combo box", "Cyrillic (DOS, CP866)", "guessed"),
            ("push button", "Import")]:
        expect(role, tr(name), *map(tr, description))
    entries = expect("text", tr("First entries, as they will be written")).queryText()
    wait_until("no entry in Russian", lambda: "основная часть" in entries.getText(0, -1))
    keys("Tab", "Up")  # the code page list, one up: Windows-1251
    expect("combo box", tr("Cyrillic (Windows-1251)"), tr("chosen"))
    wait_until("the entries kept the code page", lambda: "основная" not in entries.getText(0, -1))
    keys("Return")  # cancels: Import is not the default
    gone("Kivra32")
    with open(LOG, "rb") as f:
        if f.read() != before:
            FAILED.append("Enter in the preview imported")


def main():
    os.makedirs(os.path.dirname(LOG))
    with open(LOG, "wb") as f:
        f.write(f"{DL}/a.zip - setup\r\n{TMP}/gone.zip - old\r\n".encode())
    start_display()
    ENV["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
    start([sys.argv[1]], cwd=DL)
    for role, name, *description in [
            ("frame", "Kivra/32"), ("combo box", "Drives"), ("list", "Folders"), ("list", "Files"),
            ("text", "Description"), ("push button", "Quit"), ("label", "File/Path: "),
            ("menu item", "File"), ("menu item", "View"), ("menu item", "Help"),
            ("list item", "b.zip", ""), ("list item", "a.zip", "Described: setup")]:
        expect(role, tr(name), *map(tr, description))
    focus("Kivra/32")
    keys("Tab", "Tab", "Down")  # a.zip, from the keyboard; the file list keeps the focus
    expect("label", f"{tr('File/Path: ')}{DL}/a.zip", tr("Described: setup"))
    # A click on the file already current gives the box the focus.
    item, box = expect("list item", "a.zip", tr("Described: setup")), expect("text", tr("Description"))
    x, y, width, height = item.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    xdo("mousemove", str(x + width // 2), str(y + height // 2), "click", "1")
    wait_until("no focus in the box after a click on the current file",
               lambda: box.getState().contains(pyatspi.STATE_FOCUSED))
    keys("F9")
    for role, name, *description in [("dialog", "Kivra/32 - View Current"), ("list", "Entries"),
                                     ("list item", f"{TMP}/gone.zip - old", "No longer exists")]:
        expect(role, tr(name), *map(tr, description))
    read_find_moved()
    expect("push button", tr("Return")).queryAction().doAction(0)
    gone(tr("Kivra/32 - View Current"))
    wait_until("Return did not write the moved entry back",
               lambda: f"{TMP}/moved/gone.zip - old".encode() in open(LOG, "rb").read())
    import_preview()
    focus("Kivra/32")
    keys("alt+h", "Down", "Return")  # Help, About
    for role, name in [("dialog", "About Kivra32"), ("image", "Kivra/32")]:
        expect(role, tr(name))
    sys.exit("\n".join(f"FAIL: {failure}" for failure in FAILED) or None)


run(main)
