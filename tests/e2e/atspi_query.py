#!/usr/bin/python3
# Questions to the game's accessible tree. "tab CAPTION" shows that tab as a screen reader's
# user would (the page tab's action), "press ROLE NAME" presses that control the same way;
# "describe ROLE NAME" prints that control's description, "text ROLE NAME" its text, "value ROLE NAME" its value, "where
# ROLE NAME" its centre on the screen; "described TEXT" prints the name of the control that TEXT
# describes; "named ROLE PATTERN" prints the name of the first control of that role whose name
# matches the regular expression PATTERN; "tabs" prints the children of the tab row as "role:name" lines. "last-focus EVENTS"
# prints the role and name of what the listener's record last saw gain the focus.
import json
import re
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
elif command == "press":
    find(*arguments).queryAction().doAction(0)
elif command == "described":
    found = pyatspi.findDescendant(game(), lambda a: a.description == arguments[0])
    if found is None:
        sys.exit(f"nothing described as {arguments[0]!r}")
    print(found.name)
elif command == "named":
    role, pattern = arguments
    found = pyatspi.findDescendant(game(), lambda a: a.getRoleName() == role and re.search(pattern, a.name or ""))
    if found is None:
        sys.exit(f"no {role} named like {pattern!r}")
    print(found.name)
elif command == "tabs":
    row = pyatspi.findDescendant(game(), lambda a: a.getRoleName() == "page tab list")
    for tab in row:
        print(f"{tab.getRoleName()}:{tab.name}")
elif command == "text":
    print(find(*arguments).queryText().getText(0, -1))
elif command == "describe":
    print(find(*arguments).description)
elif command == "value":
    print(int(find(*arguments).queryValue().currentValue))
elif command == "where":
    box = find(*arguments).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    print(box.x + box.width // 2, box.y + box.height // 2)
elif command == "last-focus":
    gained = [e for e in map(json.loads, open(arguments[0]))
              if e["type"].endswith("focused") and e.get("detail") == 1]
    print(f"{gained[-1]['role']}|{gained[-1]['name']}" if gained else "nothing")
