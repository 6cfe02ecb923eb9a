"""Reads the running game through the AT-SPI accessibility bus, as a screen
reader does: finds SPIN as an enabled push button, reads the credit, presses
INSERT CREDIT through its accessibility action and waits for the credit to
change, both by reading it again and by the name-change event the bus
delivers. Exit status 0 when all holds, 1 otherwise."""
import sys
import time

import pyatspi
from gi.repository import GLib

renamed = []


def on_renamed(event):
    try:
        renamed.append(event.source.name)
    except Exception:  # the source left as the event came
        pass


def pump():
    """Delivers the bus's pending events to the listeners."""
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def log(message):
    print(message, flush=True)


def walk(node, depth=0):
    """Every accessible below `node`, depth first."""
    if depth > 12 or node is None:
        return
    yield node
    for i in range(node.childCount):
        try:
            child = node.getChildAtIndex(i)
        except Exception:  # a child that left as we looked
            continue
        yield from walk(child, depth + 1)


def find(predicate, limit_seconds):
    end = time.monotonic() + limit_seconds
    while time.monotonic() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is None:
                continue
            for node in walk(app):
                try:
                    if predicate(node):
                        return node
                except Exception:
                    pass
        time.sleep(0.5)
    return None


def named(role, prefix):
    return lambda n: n.getRole() == role and n.name.startswith(prefix)


def main():
    spin = find(named(pyatspi.ROLE_PUSH_BUTTON, "SPIN"), 60)
    if spin is None:
        log("FAIL no push button SPIN on the accessibility bus")
        return 1
    states = spin.getState()
    enabled = states.contains(pyatspi.STATE_ENABLED) and states.contains(pyatspi.STATE_SENSITIVE)
    log(("ok  " if enabled else "FAIL") + " SPIN is a push button, enabled=%s" % enabled)

    credit = find(named(pyatspi.ROLE_LABEL, "Credit: "), 10)
    if credit is None:
        log("FAIL no credit meter")
        return 1
    before = credit.name
    log("ok   credit reads '%s'" % before)

    coin = find(named(pyatspi.ROLE_PUSH_BUTTON, "INSERT CREDIT"), 10)
    if coin is None:
        log("FAIL no push button INSERT CREDIT")
        return 1
    action = coin.queryAction()
    names = [action.getName(i).lower() for i in range(action.nActions)]
    if "press" not in names:
        log("FAIL INSERT CREDIT has no press action: %s" % names)
        return 1
    pyatspi.Registry.registerEventListener(on_renamed, "object:property-change:accessible-name")
    action.doAction(names.index("press"))

    expected = sys.argv[1] if len(sys.argv) > 1 else None
    end = time.monotonic() + 30
    now = before
    while time.monotonic() < end:
        node = find(named(pyatspi.ROLE_LABEL, "Credit: "), 5)
        now = node.name if node is not None else now
        pump()
        if now != before and now in renamed:
            break
        time.sleep(0.2)
    if now == before:
        log("FAIL the credit still reads '%s' after the press" % now)
        return 1
    if now not in renamed:
        log("FAIL no name-change event for the credit; heard %s" % renamed)
        return 1
    log("ok   the bus announced the credit's new name")
    if expected is not None and now != expected:
        log("FAIL the credit reads '%s', expected '%s'" % (now, expected))
        return 1
    log("ok   after the press the credit reads '%s'" % now)
    return 0 if enabled else 1


if __name__ == "__main__":
    sys.exit(main())
