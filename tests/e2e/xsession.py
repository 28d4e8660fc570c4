"""A private X server with the program running on it, driven by real input events.

Shared by the end-to-end test (e2e.py) and the soak run (scripts/soak). Standard library only:
screenshots come from ImageMagick's `import` as binary PPM and are read here.
"""

import os
import signal
import subprocess
import time

IMPORT = "/usr/bin/import"
CONVERT = "/usr/bin/convert"
XVFB = "Xvfb"
XDOTOOL = "xdotool"

SCREEN_W, SCREEN_H = 1024, 768
TWIPS_PER_PIXEL = 15.0


def px(twips):
    """Twips to screen pixels at 1024 x 768 (15 twips per pixel)."""
    return twips / TWIPS_PER_PIXEL


class Image:
    """One screenshot of the whole screen, 24-bit RGB."""

    def __init__(self, ppm):
        fields = []
        pos = 0
        while len(fields) < 4:
            while ppm[pos : pos + 1].isspace():
                pos += 1
            if ppm[pos : pos + 1] == b"#":
                pos = ppm.index(b"\n", pos) + 1
                continue
            end = pos
            while not ppm[end : end + 1].isspace():
                end += 1
            fields.append(ppm[pos:end])
            pos = end
        if fields[0] != b"P6" or int(fields[3]) != 255:
            raise ValueError("not an 8-bit binary PPM")
        self.width = int(fields[1])
        self.height = int(fields[2])
        self.data = ppm[pos + 1 : pos + 1 + 3 * self.width * self.height]
        self.ppm = ppm

    def pixel(self, x, y):
        x, y = int(round(x)), int(round(y))
        offset = 3 * (y * self.width + x)
        return tuple(self.data[offset : offset + 3])

    def region(self, x0, y0, x1, y1):
        """Every pixel of the rectangle [x0, x1) x [y0, y1), as (x, y, rgb)."""
        for y in range(int(y0), int(y1)):
            row = 3 * y * self.width
            for x in range(int(x0), int(x1)):
                offset = row + 3 * x
                yield x, y, tuple(self.data[offset : offset + 3])

    def count(self, x0, y0, x1, y1, predicate):
        return sum(1 for _, _, rgb in self.region(x0, y0, x1, y1) if predicate(rgb))

    def any(self, x0, y0, x1, y1, predicate):
        return any(predicate(rgb) for _, _, rgb in self.region(x0, y0, x1, y1))

    def mask(self, x0, y0, x1, y1, predicate):
        return {(x, y) for x, y, rgb in self.region(x0, y0, x1, y1) if predicate(rgb)}

    def save_png(self, path):
        subprocess.run([CONVERT, "ppm:-", "png:" + path], input=self.ppm, check=True)


# Colour classes. The dots, the window's start background and the value labels are drawn in
# exact colours; the graph paper is a JPEG, so its colours are only close.
def is_red(rgb):
    return rgb[0] >= 230 and rgb[1] <= 40 and rgb[2] <= 40


def is_pure_green(rgb):
    return rgb == (0, 255, 0)


def is_dark(rgb):
    return max(rgb) <= 80


def is_cyan(rgb):
    return rgb[0] <= 70 and rgb[1] >= 200 and rgb[2] >= 200


def is_white(rgb):
    return min(rgb) >= 230


def is_orange(rgb):
    """The value labels' text colour RGB(255, 128, 0), core pixels only: the labels are
    transparent, so their anti-aliased edges take the colour of the cycling background."""
    return rgb[0] >= 252 and 125 <= rgb[1] <= 131 and rgb[2] <= 3


def is_list_green(rgb):
    """The function list's text colour RGB(0, 192, 0), apart from the window's pure green."""
    return rgb[0] <= 60 and 150 <= rgb[1] <= 215 and rgb[2] <= 60


def free_display(first=90, last=199):
    for n in range(first, last + 1):
        if os.path.exists("/tmp/.X11-unix/X%d" % n) or os.path.exists("/tmp/.X%d-lock" % n):
            continue
        yield n


class Session:
    """Xvfb on a free display, the program on it, and the means to drive and watch it."""

    def __init__(self, program, log=None, scale=1):
        """scale: Qt's scale factor; the screen has scale times as many pixels each way, so the
        program lays out the same 1024 x 768 logical pixels."""
        self.program = program
        self.scale = scale
        self.size = (SCREEN_W * scale, SCREEN_H * scale)
        self.log = log or (lambda message: None)
        self.xvfb = None
        self.app = None
        self.display = None
        self.main_window = None
        self.env = dict(os.environ)

    # -- life cycle ---------------------------------------------------------------------------

    def start_server(self):
        for n in free_display():
            proc = subprocess.Popen(
                [XVFB, ":%d" % n, "-screen", "0", "%dx%dx24" % self.size,
                 "-nolisten", "tcp"],
                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            deadline = time.monotonic() + 10
            while time.monotonic() < deadline:
                if proc.poll() is not None:
                    break  # someone else took the display meanwhile: try the next one
                if os.path.exists("/tmp/.X11-unix/X%d" % n):
                    self.xvfb = proc
                    self.display = ":%d" % n
                    self.env["DISPLAY"] = self.display
                    self.log("Xvfb on %s" % self.display)
                    return
                time.sleep(0.05)
            if proc.poll() is None:
                proc.kill()
                proc.wait()
        raise RuntimeError("no free X display")

    def start_program(self, timeout=20):
        env = dict(self.env)
        env["QT_QPA_PLATFORM"] = "xcb"
        env["LC_ALL"] = "C.UTF-8"
        env["LANG"] = "C.UTF-8"
        env.pop("QT_SCALE_FACTOR", None)
        if self.scale != 1:
            env["QT_SCALE_FACTOR"] = str(self.scale)
        self.app = subprocess.Popen([self.program], env=env, stdout=subprocess.DEVNULL,
                                    stderr=subprocess.DEVNULL)
        self.started_at = time.monotonic()
        out = self.xdotool("search", "--sync", "--onlyvisible", "--name", "^Curvanta",
                           timeout=timeout)
        ids = [int(w) for w in out.split()]
        for wid in ids:
            geometry = self.xdotool("getwindowgeometry", str(wid))
            if "%dx%d" % self.size in geometry:
                self.main_window = wid
        if self.main_window is None:
            self.main_window = ids[0]
        self.log("program pid %d, window %d" % (self.app.pid, self.main_window))

    def stop(self):
        for proc in (self.app, self.xvfb):
            if proc is None or proc.poll() is not None:
                continue
            proc.send_signal(signal.SIGTERM)
            try:
                proc.wait(timeout=5)
            except subprocess.TimeoutExpired:
                proc.kill()
                proc.wait()

    def __enter__(self):
        try:
            self.start_server()
            self.start_program()
        except BaseException:
            self.stop()
            raise
        return self

    def __exit__(self, *exc):
        self.stop()
        return False

    def alive(self):
        return self.app is not None and self.app.poll() is None

    def rss_kb(self):
        with open("/proc/%d/status" % self.app.pid) as status:
            for line in status:
                if line.startswith("VmRSS:"):
                    return int(line.split()[1])
        raise RuntimeError("no VmRSS")

    # -- input and output ---------------------------------------------------------------------

    def xdotool(self, *args, timeout=30):
        result = subprocess.run([XDOTOOL, *args], env=self.env, capture_output=True, text=True,
                                timeout=timeout)
        return result.stdout

    def shot(self):
        ppm = subprocess.run([IMPORT, "-window", "root", "-depth", "8", "ppm:-"], env=self.env,
                             capture_output=True, check=True, timeout=30).stdout
        return Image(ppm)

    def wait_for(self, condition, timeout=10.0, interval=0.05):
        """Screenshots until condition(image) holds; returns that image, or None on timeout."""
        deadline = time.monotonic() + timeout
        while True:
            image = self.shot()
            if condition(image):
                return image
            if time.monotonic() >= deadline:
                return None
            time.sleep(interval)

    def visible_windows(self):
        out = self.xdotool("search", "--onlyvisible", "--name", "^Curvanta")
        return [int(w) for w in out.split()]

    def dialogs(self):
        return [w for w in self.visible_windows() if w != self.main_window]

    def click(self, x, y, repeat=1, delay_ms=60):
        self.xdotool("mousemove", str(int(x)), str(int(y)), "click", "--repeat", str(repeat),
                     "--delay", str(delay_ms), "1")

    def double_click(self, x, y):
        self.click(x, y, repeat=2, delay_ms=60)

    def keys(self, *names):
        self.xdotool("key", "--delay", "20", *names)

    def type(self, text):
        self.xdotool("type", "--delay", "20", text)
