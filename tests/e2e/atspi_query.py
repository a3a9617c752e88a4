#!/usr/bin/python3
# Questions to the game's accessible tree. "tab CAPTION" shows that tab as a screen reader's
# user would (the page tab's action); "describe ROLE NAME" prints that control's description.
import sys

import pyatspi


def game():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name and "quintdraw" in app.name.lower():
            return app
    sys.exit("the game is not on the accessibility bus")


def find(role, name):
    found = pyatspi.findDescendant(game(), lambda a: a.getRoleName() == role and a.name == name)
    if found is None:
        sys.exit(f"no {role} named {name!r}")
    return found


command, *arguments = sys.argv[1:]
if command == "tab":
    find("page tab", arguments[0]).queryAction().doAction(0)
elif command == "describe":
    print(find(arguments[0], arguments[1]).description)
