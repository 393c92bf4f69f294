#!/usr/bin/env python3
# Prints what a screen reader hears of the programs on the accessibility bus, one line per event:
# "focus: <name>", "name: <name>" (an object's words changed), "notification: <name>" (one shown).
# A document that takes the focus is also told as "document: <name>", then "child: <role> <name>"
# for each of its children; a caret's move as "line: <the line it stands on>".
# "ready" once it listens. Every other event is only counted: "heard <n> events" as it ends.
import signal
import sys

import pyatspi

count = 0


def say(kind, text):
    sys.stdout.write("%s: %s\n" % (kind, text))
    sys.stdout.flush()


def heard(event):
    global count
    count += 1
    try:
        if event.type.startswith("object:state-changed:focused"):
            if event.detail1:
                say("focus", event.source.name)
                if event.source.getRole() == pyatspi.ROLE_DOCUMENT_FRAME:
                    tell_document(event.source)
        elif event.type.startswith("object:property-change:accessible-name"):
            # A notification's new words are heard as it shows, not as they change.
            if event.source.getRole() != pyatspi.ROLE_NOTIFICATION:
                say("name", event.source.name)
        elif event.type.startswith("object:text-caret-moved"):
            line, _, _ = event.source.queryText().getTextAtOffset(event.detail1, pyatspi.TEXT_BOUNDARY_LINE_START)
            say("line", line.strip())
        elif event.type.startswith("object:state-changed:showing"):
            if event.detail1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
                say("notification", event.source.name)
    except Exception as error:  # an object gone before it could be read
        say("error", repr(error))


def tell_document(document):
    say("document", document.name)
    for child in document:
        say("child", "%s %s" % (child.getRoleName(), child.name))


def stop(*_):
    say("heard", "%d events" % count)
    pyatspi.Registry.stop()


for kind in ("object:state-changed:focused", "object:property-change:accessible-name",
             "object:state-changed:showing", "object:text-caret-moved"):
    pyatspi.Registry.registerEventListener(heard, kind)
signal.signal(signal.SIGTERM, stop)
say("ready", "listening")
pyatspi.Registry.start()
