"""Usage: wayland.py CURVANTA. The window native on Wayland: weston 10 headless, qt6-wayland.

Weston runs with its desktop shell on a private runtime folder and a socket named for this run;
the program is told to use the wayland platform and no X display. The compositor's scene graph
tells that the window appears and under which app id; its screenshooter shows the first paint and
a plot. Weston's headless backend has no seat, so the plot is asked for through the accessibility
interface (a private D-Bus and AT-SPI bus): the limits on the scroll bars, the function code that
choosing from the list would write (a list's popup needs a seat), then the Plot button's action.
Exit status 77 (skipped) when weston or the AT-SPI bus cannot start at all.
"""

import ctypes
import importlib.util
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

from e2e import sine
from xsession import SCREEN_H, SCREEN_W, Image, Layout, end, is_cyan, is_dark

APP_ID = "io.github.curvanta.Curvanta"  # the launcher's name, data/APP_ID.desktop
LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
SKIPPED = 77
results = []


def check(condition, message):
    print(("PASS " if condition else "FAIL ") + message, flush=True)
    results.append(bool(condition))


class Skip(Exception):
    pass


def end_with_parent():
    # Children end with this script even when it is killed (a test timeout), and cannot leave a
    # compositor or a bus behind.
    ctypes.CDLL(None, use_errno=True).prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG


def wait(condition, timeout, interval=0.1):
    """Calls condition until it gives something true; that, or None after timeout seconds."""
    deadline = time.monotonic() + timeout
    while True:
        result = condition()
        if result or time.monotonic() >= deadline:
            return result or None
        time.sleep(interval)


def dark_pixels(image):
    """One byte a pixel, row by row: 1 where it is dark."""
    dark = bytes(is_dark((v, v, v)) for v in range(256))  # dark: each channel dark
    channels = image.data[:3 * image.width * image.height].translate(dark)
    r, g, b = (int.from_bytes(channels[i::3], "big") for i in range(3))
    return (r & g & b).to_bytes(image.width * image.height, "big")


def longest_run(line):
    """(start, length) of the longest run of dark pixels in a line of dark_pixels."""
    best, start = (0, 0), 0
    for run in line.split(b"\0"):
        best = max(best, (start, len(run)), key=lambda r: r[1])
        start += len(run) + 1
    return best


def axes_crossing(image):
    """Where the axes cross on the screen: the y axis is the tallest dark vertical line, the x
    axis the widest dark horizontal one across it. None while no axis is seen."""
    w, h = image.width, image.height
    dark = dark_pixels(image)
    columns = [longest_run(dark[x::w]) for x in range(w)]
    tallest = max(length for _, length in columns)
    if tallest < h / 3:
        return None
    axis = [x for x, (_, length) in enumerate(columns) if length == tallest]
    top = columns[axis[0]][0]
    rows = [longest_run(dark[y * w:(y + 1) * w]) for y in range(top, top + tallest)]
    widest = max(length for _, length in rows)
    if widest < w / 3:
        return None
    band = [top + i for i, (_, length) in enumerate(rows) if length == widest]
    return (axis[0] + axis[-1]) / 2, (band[0] + band[-1]) / 2


def window_part(image, left, top):
    """The screenshot as seen from the window's client area at (left, top)."""
    width, height = image.width - left, image.height - top
    starts = (3 * ((top + y) * image.width + left) for y in range(height))
    rows = (image.data[start:start + 3 * width] for start in starts)
    return Image(b"P6 %d %d 255\n" % (width, height) + b"".join(rows))


class Compositor:
    """Weston headless with its desktop shell, the debug protocol for the scene graph and the
    screenshooter, and an optional AT-SPI bus; the program on it."""

    def __init__(self, program):
        self.program = program
        self.folder = tempfile.mkdtemp(prefix="curvanta-wayland-")
        self.runtime = os.path.join(self.folder, "runtime")
        os.mkdir(self.runtime, 0o700)
        self.socket = "curvanta-test-%d" % os.getpid()
        self.env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
        self.env.update(XDG_RUNTIME_DIR=self.runtime, WAYLAND_DISPLAY=self.socket)
        self.processes = []
        self.app = None

    def start(self, *args, **kwargs):
        kwargs.setdefault("stdout", subprocess.DEVNULL)
        kwargs.setdefault("stderr", subprocess.DEVNULL)
        process = subprocess.Popen(args, env=self.env, cwd=self.folder,
                                   preexec_fn=end_with_parent, **kwargs)
        self.processes.append(process)
        return process

    def start_weston(self):
        if not shutil.which("weston"):
            raise Skip("weston is missing (scripts/install-deps)")
        log = os.path.join(self.folder, "weston.log")
        weston = self.start("weston", "--backend=headless-backend.so", "--use-pixman",
                            "--width=%d" % SCREEN_W, "--height=%d" % SCREEN_H,
                            "--socket=" + self.socket, "--idle-time=0", "--no-config", "--debug",
                            "--log=" + log)
        socket = os.path.join(self.runtime, self.socket)
        if not wait(lambda: os.path.exists(socket) or weston.poll() is not None, 30) or \
                weston.poll() is not None:
            tail = open(log, errors="replace").read()[-600:] if os.path.exists(log) else ""
            raise Skip("weston did not start:\n" + tail)

    def start_accessibility_bus(self):
        if not shutil.which("dbus-daemon") or not os.path.exists(LAUNCHER):
            raise Skip("dbus-daemon or at-spi-bus-launcher is missing (scripts/install-deps)")
        bus = self.start("dbus-daemon", "--session", "--nofork", "--print-address=1",
                         stdout=subprocess.PIPE)
        address = bus.stdout.readline().decode().strip()
        if not address:
            raise Skip("no D-Bus session bus")
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = self.env["DBUS_SESSION_BUS_ADDRESS"] = address
        launcher = self.start(LAUNCHER, "--launch-immediately")
        if wait(lambda: launcher.poll() is not None, 0.5):
            raise Skip("at-spi-bus-launcher ended at once")

    def start_program(self):
        self.env.update(QT_QPA_PLATFORM="wayland", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                        LC_ALL="C.UTF-8", LANG="C.UTF-8", QT_SCALE_FACTOR="1")
        self.app = self.start(self.program)

    def toplevels(self):
        """(PID, app id or None) of each top-level window in the compositor's scene graph."""
        graph = subprocess.run(["weston-debug", "scene-graph"], env=self.env, capture_output=True,
                               text=True, timeout=30).stdout
        found = re.findall(r"role xdg_toplevel, PID (\d+), .*top-level window(?: '.*')?"
                           r"(?: of ([^,]+))?, 0x[0-9a-f]+\):$", graph, re.MULTILINE)
        return [(int(pid), app_id or None) for pid, app_id in found]

    def shot(self):
        """A screenshot of the whole output through weston's screenshooter."""
        for name in os.listdir(self.folder):
            if name.startswith("wayland-screenshot"):
                os.remove(os.path.join(self.folder, name))
        subprocess.run(["weston-screenshooter"], env=self.env, cwd=self.folder,
                       capture_output=True, check=True, timeout=30)
        [name] = [n for n in os.listdir(self.folder) if n.startswith("wayland-screenshot")]
        return Image(subprocess.run(["convert", os.path.join(self.folder, name), "-depth", "8",
                                     "ppm:-"], capture_output=True, check=True,
                                    timeout=30).stdout)

    def stop(self):
        for process in reversed(self.processes):
            end(process)
        shutil.rmtree(self.folder, ignore_errors=True)


def drive(compositor):
    """Asks for bsin(ax) from -12 to 12 through the accessibility interface."""
    import pyatspi  # after the bus address is known

    def tree(node):
        yield node
        for child in node:
            yield from tree(child)

    apps = lambda: [a for a in pyatspi.Registry.getDesktop(0)
                    if a and a.name == "Curvanta" and a.get_process_id() == compositor.app.pid]
    if not wait(lambda: apps() and apps()[0].childCount, 30):
        return False
    frame = apps()[0][0]
    get = lambda role, name: next(n for n in tree(frame) if (n.getRoleName(), n.name) ==
                                  (role, name))
    get("scroll bar", "-X values: lower x limit").queryValue().currentValue = -12
    get("scroll bar", "+x limit: upper x limit").queryValue().currentValue = 12
    get("text", "Function code").queryEditableText().setTextContents("2")  # bsin(ax)
    get("push button", "Plot").queryAction().doAction(0)
    return True


def run(compositor):
    compositor.start_weston()
    compositor.start_accessibility_bus()
    if importlib.util.find_spec("pyatspi") is None:
        raise Skip("pyatspi is missing (scripts/install-deps)")
    compositor.start_program()

    ours = lambda: [w for w in compositor.toplevels() if w[0] == compositor.app.pid]
    windows = wait(ours, 30)
    check(windows is not None and compositor.app.poll() is None,
          "the window appears on weston as a native Wayland window")
    if not windows:
        return
    check([app_id for _, app_id in windows] == [APP_ID],
          "its app id is the launcher's, %s: %s" % (APP_ID, [a for _, a in windows]))

    # The first paint: the axes through the middle of the plot area, graph paper, no dot. The
    # window lays itself out for the screen's size; where its client area lies on the output
    # (the shell's panel, the title bar) is found by the axes.
    layout = Layout(SCREEN_W, SCREEN_H)
    client = None

    def painted():
        nonlocal client
        shot = compositor.shot()
        crossing = axes_crossing(shot)
        if crossing is None:
            return None
        left, top = (round(c - m) for c, m in zip(crossing, layout.centre))
        if left < 0 or top < 0:
            return None
        client = (left, top)
        view = window_part(shot, left, top)
        x0, y0, x1, y1 = (int(v) for v in layout.p_inner)
        paper = [is_cyan(view.pixel(x, y)) for x in range(x0, x1, 2) for y in range(y0, y1, 8)]
        return layout.axes_only(view) and sum(paper) > len(paper) / 20

    check(wait(painted, 30, interval=0.5) is not None,
          "first paint: the axes across the plot area on graph paper, no dots (client area at %s)"
          % (client,))
    if client is None:
        return

    check(drive(compositor), "the program joins the accessibility bus")
    plotted = wait(lambda: sine(window_part(compositor.shot(), *client)), 30, interval=0.5)
    check(plotted is not None and compositor.app.poll() is None,
          "Plot draws bsin(ax) from -10 to 10 as the formula says")


def main(argv):
    # pyatspi comes with Debian's own Python, whichever one comes first on the PATH.
    debian = "/usr/bin/python3"
    if os.path.exists(debian) and os.path.realpath(sys.executable) != os.path.realpath(debian):
        os.execv(debian, [debian] + argv)
    compositor = Compositor(os.path.abspath(argv[1]))
    try:
        run(compositor)
    except Skip as why:
        print("SKIP: %s" % why)
        return SKIPPED
    finally:
        compositor.stop()
    failed = results.count(False)
    print("%d passed, %d failed" % (len(results) - failed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
