#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the running editor through the accessibility bus, as a screen reader does, while
keys are typed into it:
    accessibility-check.py PRESS_KEYS TITLE LIST_FILE_NAME
The editor must already run with the sample list loaded into list 1. Prints one line per
check; exits 1 at the first failed one."""
import sys
import time
import subprocess

import pyatspi
from gi.repository import Atspi, GLib

press_keys, title, list_name = sys.argv[1:4]


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def wait_for(find, what, seconds=10.0):
    """Polls find() until it answers something true; fails after SECONDS."""
    end = time.time() + seconds
    while True:
        found = find()
        if found:
            return found
        if time.time() > end:
            fail(what)
        time.sleep(0.2)


def editor():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        application = desktop.getChildAtIndex(i)
        if application is not None and application.name == "qvxedit":
            return application
    return None


def walk(node):
    if node is None:
        return
    yield node
    for i in range(node.childCount):
        yield from walk(node.getChildAtIndex(i))


def find(role, name=None, root=None):
    for node in walk(root or editor()):
        if node.getRoleName() == role and (name is None or node.name == name):
            if node.getState().contains(pyatspi.STATE_SHOWING):
                return node
    return None


def text_of(node):
    try:
        return node.queryText().getText(0, -1)
    except NotImplementedError:
        return None


def press(*keys):
    subprocess.run([press_keys, title, *keys], check=True)
    return True


def check(condition, message):
    if not condition:
        fail(message)
    print("ok: " + message)


wait_for(editor, "the editor never appeared on the accessibility bus", 20)

# The status pane of list 1 is read by its text.
pane = wait_for(lambda: find("label", "File1: " + list_name), "no label reads \"File1: %s\"" % list_name)
check(pane.parent.getRoleName() == "status bar", "the status bar's pane reads \"File1: %s\"" % list_name)

# From list 2's tree (first in focus order) to list 1's: one Tab, list 2's Radio tree being
# hidden. The tree takes the focus with its first provider, ARD, selected; the panel shows its record.
press("Tab")
tree = wait_for(lambda: find("tree", "Television"), "no Television tree is shown")
cell = wait_for(lambda: find("table cell", "ARD"), "the tree shows no ARD row")
check(cell.description == "provider", "the ARD row says \"provider\" (it says %r)" % cell.description)

# A drop-down is read by its label; its value is the chosen entry.
polarity = wait_for(lambda: find("combo box", "Polarity"), "no drop-down list is named \"Polarity\"")
check(text_of(polarity) == "Horizontal",
      "the \"Polarity\" list's value is \"Horizontal\" (it is %r)" % text_of(polarity))
lnb = wait_for(lambda: find("combo box", "LNB"), "no drop-down list is named \"LNB\"")
check(text_of(lnb) == "LNB0", "the \"LNB\" list's value is \"LNB0\" (it is %r)" % text_of(lnb))

# ORF, the third provider, opened; its first channel, ORF1 HD, is scrambled.
press("Down", "Down", "Right", "Down")
channel = wait_for(lambda: find("table cell", "ORF1 HD"), "the tree shows no ORF1 HD row")
check(channel.description == "channel, scrambled",
      "the ORF1 HD row says \"channel, scrambled\" (it says %r)" % channel.description)
scrambling = wait_for(lambda: find("combo box", "Scrambling"), "no drop-down list is named \"Scrambling\"")
wait_for(lambda: text_of(scrambling) == "PAY-TV",
         "the \"Scrambling\" list's value stays %r, not \"PAY-TV\"" % text_of(scrambling))
print("ok: the \"Scrambling\" list's value is \"PAY-TV\"")

# Shift+F10 opens the tree's context menu for the selected channel. A pop-up menu is no child
# of the application on the bus: a screen reader learns of it from the event of its showing.
menus = []
loop = GLib.MainLoop()


def on_showing(event):
    if event.detail1 == 1 and event.source.getRoleName() in ("popup menu", "menu"):
        menus.append(event.source)
        loop.quit()


listener = Atspi.EventListener.new(on_showing)
listener.register("object:state-changed:showing")
GLib.timeout_add(200, lambda: press("shift+F10") and False)
GLib.timeout_add(10000, loop.quit)
loop.run()
listener.deregister("object:state-changed:showing")
if not menus:
    fail("Shift+F10 opened no menu")
menu = menus[0]
entries = [node for node in walk(menu) if node.getRoleName() == "menu item"]
names = [entry.name for entry in entries]
expected = ["Edit", "Rename", "Cut", "Copy", "Paste", "Delete", "New channel", "New provider",
            "Set LNB", "Set Rotor position", "Set Volume"]
# Entries the program adds after these (undo, redo) may follow.
check(names[:len(expected)] == expected, "Shift+F10 opened the menu %s (it holds %s)" % (expected, names))
enabled = {entry.name: entry.getState().contains(pyatspi.STATE_ENABLED) for entry in entries}
check(enabled["Edit"] and enabled["Cut"] and not enabled["Paste"],
      "Edit and Cut are open, Paste (empty clipboard) is not: %s" % enabled)
row = channel.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
box = menu.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
check(box.y >= row.y + row.height - 1, "the menu opens below the channel's row (row %d..%d, menu at %d)"
      % (row.y, row.y + row.height, box.y))
press("Escape")
wait_for(lambda: not menu.getState().contains(pyatspi.STATE_SHOWING), "Escape did not close the menu")
print("ok: Escape closed the menu")

# Shift+Down adds the next channel to the selection: the reader hears both rows as selected.
press("shift+Down")


def selected_rows():
    return sorted(cell.name for cell in walk(tree)
                  if cell.getRoleName() == "table cell" and cell.getState().contains(pyatspi.STATE_SELECTED))


rows = wait_for(lambda: selected_rows() if len(selected_rows()) == 2 else None,
                "two selected rows after Shift+Down (the tree reports %r)" % selected_rows())
check(rows[0] == "ORF1 HD" or rows[1] == "ORF1 HD", "ORF1 HD and the next row are reported selected: %r" % rows)
