"""The program as a screen reader meets it: on a private Xvfb, D-Bus session and AT-SPI bus, read
and driven through pyatspi. Exits 77 (skipped) only where no AT-SPI bus can start."""

import os
import shutil
import subprocess
import sys
import time

from xsession import Session

SKIP = 77
LAUNCHER = "/usr/libexec/at-spi-bus-launcher"


def skip(why):
    print("SKIP: no AT-SPI bus can start here: %s" % why)
    sys.exit(SKIP)


if "CURVANTA_PRIVATE_BUS" not in os.environ:
    if not shutil.which("dbus-run-session") or not os.path.exists(LAUNCHER):
        skip("dbus-run-session or at-spi-bus-launcher is missing (scripts/install-deps)")
    os.environ["CURVANTA_PRIVATE_BUS"] = "1"
    os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable] + sys.argv)

bus = subprocess.Popen([LAUNCHER, "--launch-immediately"], stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)
try:
    import pyatspi
    from gi.repository import GLib
except ImportError as error:
    skip(str(error))

events = []


def pump(seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        GLib.MainContext.default().iteration(False) or time.sleep(0.01)


def wait(condition, what, timeout=10):
    deadline = time.monotonic() + timeout
    while not condition():
        if time.monotonic() > deadline:
            sys.exit("FAIL: " + what)
        pump(0.05)


def tree(node):
    yield node
    for child in node:
        yield from tree(child)


def find(root, role, name):
    return next((n for n in tree(root) if n.getRole() == role and n.name == name), None)


def announced(prefix):
    return [e for e in events if e.source.getRole() == pyatspi.ROLE_NOTIFICATION and e.detail1
            and e.source.name.startswith(prefix)]


os.environ["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
with Session(sys.argv[1]) as s:
    pyatspi.Registry.registerEventListener(events.append, "object:state-changed:showing",
                                           "object:property-change", "object:children-changed")
    desktop = pyatspi.Registry.getDesktop(0)
    apps = lambda: [a for a in desktop if a is not None and a.name == "Curvanta"]
    try:
        wait(lambda: apps() and apps()[-1].childCount, "the program never joined the AT-SPI bus")
    except SystemExit:
        skip("the program's AT-SPI bridge did not reach the bus")
    frame = apps()[-1][0]
    assert (frame.getRole(), frame.name) == (pyatspi.ROLE_FRAME, "Curvanta"), frame
    named = {(n.getRoleName(), n.name) for n in tree(frame)}
    for control in [("push button", "Plot"), ("scroll bar", "-X values: lower x limit"),
                    ("scroll bar", "+x limit: upper x limit"), ("label", "-X values"),
                    ("label", "a="), ("text", "d= coefficient d"), ("combo box", "Function")]:
        assert control in named, (control, named)
    for decoration in ["Curvanta", "Powerred By: Orvendale", ""]:
        assert ("label", decoration) not in named and ("filler", decoration) not in named, named
    relations = find(frame, pyatspi.ROLE_LABEL, "c=").getRelationSet()
    assert [(r.getRelationType(), r.getTarget(0).name) for r in relations] == [
        (pyatspi.RELATION_LABEL_FOR, "c= coefficient c")], relations
    area = find(frame, pyatspi.ROLE_FILLER, "Plot area")
    box = area.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    within = lambda: [w for w in s.xdotool("search", "--onlyvisible", "--name", "").split()]
    windows = within()
    s.xdotool("mousemove", str(box.x + 40), str(box.y + 40), "mousemove_relative", "5", "5")
    time.sleep(0.5)
    assert within() == windows, "a tooltip before any plot"

    events.clear()  # idle with every timer running: no event at all
    pump(10)
    assert not events, events

    # bsin(ax) over -10..10, Plot through its action.
    find(frame, pyatspi.ROLE_TEXT, "Function").queryComponent().grabFocus()
    s.keys("Down", "Down")
    find(frame, pyatspi.ROLE_SCROLL_BAR, "-X values: lower x limit").queryValue().currentValue = -12
    find(frame, pyatspi.ROLE_SCROLL_BAR, "+x limit: upper x limit").queryValue().currentValue = 12
    find(frame, pyatspi.ROLE_PUSH_BUTTON, "Plot").queryAction().doAction(0)
    sine = "bsin(ax) with a = 1, b = 1, for x from -10 to 10"
    wait(lambda: announced("Plotted: " + sine), "the plot was not announced")
    assert area.description == sine + ".", area.description
    s.xdotool("mousemove", str(box.x + 40), str(box.y + 40), "mousemove_relative", "5", "5")
    wait(lambda: len(within()) > len(windows), "no tooltip over the plot after a plot")

    # a(e^bx) with b = 99 over -25..25 overflows part-way: an alert, a true description.
    find(frame, pyatspi.ROLE_TEXT, "b= coefficient b").queryEditableText().setTextContents("99")
    find(frame, pyatspi.ROLE_TEXT, "Function").queryComponent().grabFocus()
    s.keys(*["Down"] * 9)
    find(frame, pyatspi.ROLE_SCROLL_BAR, "-X values: lower x limit").queryValue().currentValue = -30
    find(frame, pyatspi.ROLE_SCROLL_BAR, "+x limit: upper x limit").queryValue().currentValue = 30
    find(frame, pyatspi.ROLE_PUSH_BUTTON, "Plot").queryAction().doAction(0)
    alerts = lambda: [n for w in apps()[-1] for n in tree(w) if n.getRole() == pyatspi.ROLE_ALERT]
    wait(alerts, "no alert after an overflow")
    assert "Overflow" in [n.name for n in tree(alerts()[0])], list(tree(alerts()[0]))
    told = area.description.split("\n")
    assert told[0] == sine + "." and told[1].startswith(
        "a(e^bx) with a = 1, b = 99, for x from -25 to 25, stopped at x = 0.") and told[
            1].endswith(": overflow."), told
    s.keys("Return")
    wait(lambda: not alerts(), "the alert did not close")

    s.double_click(box.x + 40, box.y + 40)
    wait(lambda: announced("Cleared: only the axes are drawn."), "the clear was not announced")
    assert area.description == "Empty: only the axes are drawn.", area.description
print("1 passed, 0 failed")
bus.terminate()
