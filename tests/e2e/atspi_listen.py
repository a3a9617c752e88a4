#!/usr/bin/python3
# Records what a screen reader hears from the accessibility bus, one JSON line an event: focus
# moves, changed descriptions and changed names, with the source's role, name, description, whether it has
# the focus, and the text the event carries (what a screen reader speaks of a changed
# description). Writes READY_FILE once listening; stops on SIGTERM.
import json
import signal
import sys

import pyatspi

out = open(sys.argv[1], "w", buffering=1)


def on_event(event):
    source = event.source
    try:
        focused = source.getState().contains(pyatspi.STATE_FOCUSED)
        line = {"type": event.type, "detail": event.detail1, "role": source.getRoleName(),
                "name": source.name or "", "description": source.description or "",
                "focused": focused,
                "value": event.any_data if isinstance(event.any_data, str) else None}
    except Exception as error:  # the source may be gone already
        line = {"type": event.type, "error": str(error)}
    out.write(json.dumps(line) + "\n")


pyatspi.Registry.registerEventListener(
    on_event, "object:state-changed:focused", "object:property-change:accessible-description",
    "object:property-change:accessible-name")
signal.signal(signal.SIGTERM, lambda *_: pyatspi.Registry.stop())
open(sys.argv[2], "w").close()
pyatspi.Registry.start()
