"""The program read and driven through pyatspi on a private Xvfb, D-Bus session and AT-SPI bus."""

import os, re, shutil, subprocess, sys, time

from xsession import Session

LAUNCHER = "/usr/libexec/at-spi-bus-launcher"


def skip(why):
    print("SKIP: no AT-SPI bus can start here: %s" % why)
    sys.exit(77)


if "CURVANTA_PRIVATE_BUS" not in os.environ:
    if not shutil.which("dbus-run-session") or not os.path.exists(LAUNCHER):
        skip("dbus-run-session or at-spi-bus-launcher is missing (scripts/install-deps)")
    os.environ["CURVANTA_PRIVATE_BUS"] = "1"
    # pyatspi comes with Debian's own Python, whichever one comes first on the PATH.
    python = "/usr/bin/python3" if os.path.exists("/usr/bin/python3") else sys.executable
    os.execvp("dbus-run-session", ["dbus-run-session", "--", python] + sys.argv)

bus = subprocess.Popen([LAUNCHER, "--launch-immediately"], stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)
time.sleep(0.5)
if bus.poll() is not None:
    skip("at-spi-bus-launcher ended at once (exit status %d)" % bus.returncode)
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
        assert time.monotonic() < deadline, what() if callable(what) else what
        pump(0.05)


def tree(node):
    # Walked while the program runs: a tooltip or a dialog closing may still be listed when it is
    # already gone, and then it reads as no object or as a child count of -1.
    if node is None:
        return
    yield node
    try:
        children = list(node)
    except (GLib.GError, ValueError):
        return
    for child in children:
        yield from tree(child)


def role(node):
    try:
        return node.getRole()
    except GLib.GError:  # gone since it was listed
        return None


def heard(event):
    try:  # what a screen reader hears, read as the event comes
        events.append((event.source.getRole(), event.detail1, event.source.name))
    except GLib.GError:  # from a window already gone
        events.append((None, 0, ""))


def announced(text):
    return (pyatspi.ROLE_NOTIFICATION, 1, text) in events


os.environ["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
with Session(sys.argv[1]) as s:
    pyatspi.Registry.registerEventListener(heard, "object:state-changed:showing",
                                           "object:property-change", "object:children-changed")
    apps = lambda: [a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Curvanta"]
    wait(lambda: apps() and apps()[-1].childCount, "the program never joined the AT-SPI bus")
    frame = apps()[-1][0]
    get = lambda role, name: next(n for n in tree(frame) if (n.getRoleName(), n.name) == (role, name))
    named = {(n.getRoleName(), n.name) for n in tree(frame)}
    for control in [("frame", "Curvanta Powerred by:Korvel"), ("push button", "Plot"), ("scroll bar", "-X values: lower x limit"),
                    ("label", "-X values"), ("label", "a="), ("text", "d= coefficient d")]:
        assert control in named, (control, named)
    assert ("filler", "") not in named, named  # corner blocks, red square, title, credit
    for field, label in [(("text", "c= coefficient c"), "c="), (("combo box", "Select Function"),
                                                                "Function")]:
        relation = get(*field).getRelationSet()[0]
        assert relation.getRelationType() == pyatspi.RELATION_LABELLED_BY, field
        assert relation.getTarget(0).name == label, relation.getTarget(0)
    box = (area := get("chart", "Plot area")).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    windows = lambda: len(s.xdotool("search", "--onlyvisible", "--name", "").split())
    shown = windows()
    hover = lambda: s.xdotool("mousemove", str(box.x + 40), str(box.y + 40), "mousemove_relative",
                              "5", "5")
    hover()
    events.clear()  # idle with every timer running: no event at all, and no tooltip
    pump(10)
    assert not events and windows() == shown, events

    def plot(entries_down, lower, upper):
        (edit := get("text", "Function")).queryComponent().grabFocus()
        wait(lambda: edit.getState().contains(pyatspi.STATE_FOCUSED), "the list took no focus")
        s.keys(*["Down"] * entries_down)
        get("scroll bar", "-X values: lower x limit").queryValue().currentValue = lower
        get("scroll bar", "+x limit: upper x limit").queryValue().currentValue = upper
        get("push button", "Plot").queryAction().doAction(0)

    plot(2, -12, 12)
    sine = "bsin(ax) with a = 1, b = 1, for x from -10 to 10 (the limits -12 and 12 divided by 1.2)"
    wait(lambda: announced("Plotted: %s." % sine), lambda: (area.description, events))
    assert area.description == sine + "." and get("label", "12"), area.description
    wait(lambda: [hover(), windows() > shown][1], "no tooltip over the plot after a plot")

    get("text", "b= coefficient b").queryEditableText().setTextContents("99")
    plot(9, -30, 30)  # a(e^bx) overflows part-way
    alerts = lambda: [n for n in tree(apps()[-1]) if role(n) == pyatspi.ROLE_ALERT]
    wait(alerts, "no alert after an overflow")
    assert "Overflow" in [n.name for n in tree(alerts()[0])], list(tree(alerts()[0]))
    assert re.fullmatch(r"%s\.\na\(e\^bx\) with a = 1, b = 99, for x from -25 to 25 \(the limits -30 "
                        r"and 30 divided by 1\.2\), stopped at "
                        r"x = [1-9][.\d]*: overflow\." % re.escape(sine), area.description)
    s.keys("Return")
    wait(lambda: not alerts(), "the alert did not close")

    told = area.description
    area.queryComponent().grabFocus()
    wait(lambda: area.getState().contains(pyatspi.STATE_FOCUSED), "the plot area took no focus")
    s.keys("Delete")
    wait(lambda: announced("Cleared: only the axes are drawn."), "the clear was not announced")
    assert area.description == "Empty: only the axes are drawn.", area.description
    s.keys("ctrl+z")
    wait(lambda: announced("Clear undone: %s" % told), "the undone clear was not announced")
    assert area.description == told, area.description
print("1 passed, 0 failed")
bus.terminate()
